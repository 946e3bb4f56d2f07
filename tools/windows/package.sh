#!/usr/bin/env bash
# Packages a Windows build: dist/velquist-<version>-windows-x64.zip (the program folder: the .exe
# with the updater inside, Qt's DLLs, the windows platform plugin and style, the compiler's
# runtime DLLs, all stripped) and dist/velquist-<version>-setup.exe (an NSIS installer).
#   tools/windows/package.sh <build dir> <dist dir>
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:?usage: package.sh <build dir> <dist dir>}")
mkdir -p "${2:?usage: package.sh <build dir> <dist dir>}"
dist=$(realpath "$2")
. tools/windows/env.sh

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=velquist-$version-windows-x64
stage=$build/package/$name
qt=$VELQUIST_WINDOWS_DEPS/qt6
rm -rf "$stage"
mkdir -p "$stage/platforms" "$stage/styles"
cp "$build/src/app/velquist.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# Every DLL these need that is not part of Windows, taken from where the build linked it; a
# name found in none of these folders is one of Windows' own.
search=("$qt/bin" "$velquist_gcc_dlls" /usr/x86_64-w64-mingw32/lib)
queue=("$stage"/velquist.exe "$stage"/platforms/*.dll "$stage"/styles/*.dll)
system=()
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$stage/$dll" ] && continue
    found=
    for dir in "${search[@]}"; do
      found=$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null)
      [ -n "$found" ] && break
    done
    if [ -n "$found" ]; then
      cp "$found" "$stage/$dll"
      queue+=("$stage/$dll")
    else
      system+=("$dll")
    fi
  done
done
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
echo "Windows DLLs the program uses: $(printf '%s\n' "${system[@]}" | sort -fu | tr '\n' ' ')"

zip_file=$dist/$name.zip
rm -f "$zip_file"
(cd "$build/package" && zip -qr9 "$zip_file" "$name")
setup=$dist/velquist-$version-setup.exe
makensis -V2 -DVERSION="$version" -DSOURCE="$stage" -DOUTFILE="$setup" \
  tools/windows/installer.nsi >/dev/null
echo "$(du -h "$zip_file" | cut -f1)	$zip_file"
echo "$(du -h "$setup" | cut -f1)	$setup"
