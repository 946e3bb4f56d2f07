#!/usr/bin/env bash
# End-to-end check of the packaged Windows program under Wine on a virtual screen: unpack the
# zip into a folder with a Chinese name and a blank, start velquist.exe, load a picture from a
# loopback web server, add a hotspot, generate the code, copy it and read it from the clipboard;
# pz.ini must then lie beside the .exe, in GB18030.
#   tools/windows/smoke_test.sh <zip>     (run it inside xvfb-run; ./dev.sh windows-test does)
set -euo pipefail
zip=$(realpath "${1:?usage: smoke_test.sh <zip>}")
cd "$(dirname "$0")/../.."
. tools/windows/env.sh
velquist_wine_prefix

work=$(mktemp -d)
server_pid=
cleanup() {
  velquist_wineserver -k 2>/dev/null || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "smoke test FAILED: $*" >&2; exit 1; }

folder="$work/程序 目录"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
exe=$(find "$folder" -name velquist.exe | head -1)
[ -n "$exe" ] || fail "no velquist.exe in $zip"
program_dir=$(dirname "$exe")

# A 400 x 300 PNG and a loopback server for it.
mkdir "$work/site"
python3 - "$work/site/pic.png" <<'PY'
import struct, sys, zlib
w, h = 400, 300
rows = b"".join(b"\0" + b"".join(bytes((x % 256, y % 256, 128)) for x in range(w))
               for y in range(h))
def chunk(t, d): return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) \
    + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")
open(sys.argv[1], "wb").write(png)
PY
python3 -c '
import http.server, socketserver, sys, os
os.chdir(sys.argv[1])
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *a): pass
with socketserver.TCPServer(("127.0.0.1", 0), Quiet) as s:
    print(s.server_address[1], flush=True)
    s.serve_forever()' "$work/site" >"$work/port" &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
address="http://127.0.0.1:$(cat "$work/port")/pic.png"

# Finds the visible window of the given size; prints "<id> <x> <y>".
find_window() {
  local size=$1 id geometry
  for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
    eval "$geometry"
    if [ "${WIDTH}x${HEIGHT}" = "$size" ]; then echo "$id $X $Y"; return 0; fi
  done
  return 1
}
wait_window() {
  local size=$1 found
  for _ in $(seq 300); do
    if found=$(find_window "$size"); then echo "$found"; return 0; fi
    sleep 0.1
  done
  fail "no window of $size appeared"
}
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.3; }

echo "Starting $exe under Wine"
start=$(date +%s%N)
(cd "$program_dir" && velquist_wine64 velquist.exe >"$work/velquist.log" 2>&1 &)
read -r main x y < <(wait_window 1000x680)
echo "main window after $(( ($(date +%s%N) - start) / 1000000 )) ms"
sleep 1

click $((x + 40)) $((y + 16))                       # 背景设置
read -r addr ax ay < <(wait_window 400x213)
click $((ax + 177)) $((ay + 57))                    # the address box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$address"
click $((ax + 212)) $((ay + 110))                   # 确定
for _ in $(seq 300); do [ -s "$program_dir/pz.ini" ] && break; sleep 0.1; done
[ -s "$program_dir/pz.ini" ] || fail "the picture was not loaded (no pz.ini beside the program)"
sleep 1

click $((x + 400)) $((y + 16))                      # 添加热区
click $((x + 780)) $((y + 16))                      # 生成代码
read -r code cx cy < <(wait_window 530x415)
printf '' | xclip -selection clipboard
click $((cx + 485)) $((cy + 308))                   # 复制
clip=
for _ in $(seq 50); do
  clip=$(xclip -o -selection clipboard 2>/dev/null || true)
  [ -n "$clip" ] && break
  sleep 0.1
done
echo "$clip" | grep -qF "src=\"$address\"" || fail "the clipboard lacks the picture: $clip"
echo "$clip" | grep -q '<area shape="rect"' || fail "the clipboard lacks the hotspot: $clip"

# pz.ini: GB18030 ("配置" is C5 E4 D6 C3), not UTF-8, and it holds the address.
od -An -tx1 "$program_dir/pz.ini" | tr -d ' \n' | grep -q c5e4d6c3 ||
  fail "pz.ini is not GB18030: $(od -c "$program_dir/pz.ini" | head -3)"
iconv -f GB18030 -t UTF-8 "$program_dir/pz.ini" | grep -qF "$address" || fail "pz.ini lacks the address"
echo "smoke test passed: picture loaded, hotspot added, code on the clipboard, pz.ini in GB18030"
