#!/usr/bin/env bash
# Runs the Windows build's tests under Wine on a virtual screen (CTest starts every test program
# through wine64), then the smoke test of the packaged program, the installer's round trip and
# the start-up figure. Needs ./dev.sh windows first.
set -euo pipefail
cd "$(dirname "$0")/../.."
# Everything runs on one virtual screen, kept up between programs: without -noreset Xvfb resets
# when its last client leaves, and a program connecting at that moment fails at once. The Wine
# session starts on that screen too: its desktop process, started by the first program, takes
# the screen's size from the display it finds (1024 x 768 without one).
if [ -z "${VELQUIST_WINDOWS_SCREEN:-}" ]; then
  exec env VELQUIST_WINDOWS_SCREEN=1 xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
. tools/windows/env.sh
[ -f build-windows/CTestTestfile.cmake ] || { echo "No Windows build: run ./dev.sh windows first" >&2; exit 1; }
start=$SECONDS
velquist_wine_prefix
trap 'velquist_wineserver -k 2>/dev/null || true' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)

status=0
rm -f build-windows/tests/app/*.log
if ! ctest --preset windows --parallel "$(nproc)"; then
  status=1
  # The Qt tests' own logs (see tests/app/CMakeLists.txt): what failed, and where.
  grep -h -A4 '^FAIL!' build-windows/tests/app/*.log 2>/dev/null || true
fi
tools/windows/smoke_test.sh "dist/velquist-$version-windows-x64.zip" || status=1
tools/windows/installer_test.sh "dist/velquist-$version-setup.exe" || status=1
tools/windows/startup.sh build-windows 5 || status=1
echo "Windows tests took $((SECONDS - start)) s"
exit $status
