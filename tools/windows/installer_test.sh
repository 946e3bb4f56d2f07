#!/usr/bin/env bash
# The installer under Wine: a silent install puts the program folder and the Start-menu entry in
# place, and the uninstaller takes both away again.
#   tools/windows/installer_test.sh <setup.exe>
set -euo pipefail
setup=$(realpath "${1:?usage: installer_test.sh <setup.exe>}")
cd "$(dirname "$0")/../.."
. tools/windows/env.sh
velquist_wine_prefix
trap 'velquist_wineserver -k 2>/dev/null || true' EXIT
fail() { echo "installer test FAILED: $*" >&2; exit 1; }

drive=$WINEPREFIX/drive_c
folder="$drive/Velquist安装测试"  # no blank: Wine would quote it, and NSIS reads /D unquoted
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Velquist/Velquist.lnk"
rm -rf "$folder"
velquist_wine64 "$setup" /S '/D=C:\Velquist安装测试'
for file in velquist.exe Qt6Widgets.dll platforms/qwindows.dll translations/qtbase_zh_CN.qm \
  Uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file was not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"

# The uninstaller runs on from a copy of itself and ends later: wait for the folder and the
# Start-menu entry to go (it takes the entry away after the files).
velquist_wine64 'C:\Velquist安装测试\Uninstall.exe' /S
for _ in $(seq 200); do [ -e "$folder" ] || [ -e "$shortcut" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "the uninstaller left $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
echo "installer test passed: installed with a Start-menu entry, and uninstalled without a trace"
