# Sourced by dev.sh: where the Windows build keeps its cache, and how Wine runs its programs.
velquist_windows_cache=${VELQUIST_WINDOWS_CACHE:-$HOME/.cache/velquist-windows}
export VELQUIST_WINDOWS_DEPS=$velquist_windows_cache/win64
export WINEPREFIX=${WINEPREFIX:-$velquist_windows_cache/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or Gecko installers: the programs need neither, and they would ask on every new prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export WINEARCH=win64
# The DLLs a freshly built program needs, found by Wine as a Windows system finds them on PATH.
velquist_gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll 2>/dev/null || echo /nonexistent/x)")
export WINEPATH="Z:$VELQUIST_WINDOWS_DEPS/qt6/bin;Z:$velquist_gcc_dlls;Z:/usr/x86_64-w64-mingw32/lib"
velquist_wine64() {
  if [ -x /usr/lib/wine/wine64 ]; then /usr/lib/wine/wine64 "$@"; else wine64 "$@"; fi
}
velquist_wineserver() {
  if [ -x /usr/lib/wine/wineserver ]; then /usr/lib/wine/wineserver "$@"; else wineserver "$@"; fi
}

# Makes the Wine prefix once (about 700 MB, 6 s), then starts this run's Wine session: one
# wineserver kept up until the caller ends it (`velquist_wineserver -k`), and Wine's own services
# (services.exe, winedevice, rpcss…), which the first program of a session starts, started here
# by a program whose output goes nowhere. The services inherit the standard handles of the
# program that starts them: started by a test program, they hold its output pipe open after it
# ends, and CTest waits for that pipe until the test's timeout (3 fresh sessions in 8 here).
# That program also tells Wine that no window manager runs: by default Wine hands top-level
# windows to one, and on a bare X server each window it hides then waits a second for a
# withdrawal that never comes (the settings window's tests took 54 s instead of 3). Unmanaged,
# Wine draws the window frames itself, as Windows does.
velquist_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    velquist_wine64 wineboot -i >/dev/null 2>&1 || true
    velquist_wineserver -w 2>/dev/null || true
  fi
  velquist_wineserver -p </dev/null >/dev/null 2>&1 || true
  velquist_wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    </dev/null >/dev/null 2>&1 || true
}
