#!/usr/bin/env bash
# Start-up of the Windows build under Wine, to the main window shown, against an empty Qt window
# built the same way: median of N starts each, measured in the same run. Run it on a screen
# (xvfb-run); ./dev.sh windows-test does.
#   tools/windows/startup.sh [build dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build-windows}")
runs=${2:-5}
. tools/windows/env.sh
ready=$(mktemp -u /tmp/velquist-ready.XXXXXX)

# Milliseconds from the start of $1 until it says it is ready (its window is shown).
measure() {
  rm -f "$ready"
  local start end
  start=$(date +%s%N)
  VELQUIST_READY_FILE="Z:$ready" velquist_wine64 "$1" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 3000); do [ -s "$ready" ] && break; sleep 0.01; done
  end=$(date +%s%N)
  [ -s "$ready" ] || { echo "$1 did not start" >&2; exit 1; }
  pkill -f -- "$1" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One start first, untimed: Wine's own start-up (wineserver, the prefix) would count otherwise.
measure "$build/bench/bench_bare_window.exe" >/dev/null
# The program allows one copy per name, and Wine lets a killed one go only a little later: each
# start is a copy under its own name, beside the original so that it finds the same files.
ours=$(for i in $(seq "$runs"); do
  copy=$build/src/app/vqstart$i.exe
  cp "$build/src/app/velquist.exe" "$copy"
  measure "$copy"
  rm -f "$copy"
done | median)
bare=$(for _ in $(seq "$runs"); do measure "$build/bench/bench_bare_window.exe"; done | median)
rm -f "$ready"
velquist_wineserver -k 2>/dev/null || true
awk -v o="$ours" -v b="$bare" 'BEGIN {
  printf "start-up under Wine, median: velquist %d ms, empty Qt window %d ms, ratio %.2f\n", o, b, o / b }'
