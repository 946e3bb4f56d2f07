#!/usr/bin/env bash
# Start-up to the main window shown, and resident memory when idle: median of N whole-process
# starts on the offscreen platform, against an empty Qt window measured the same way.
#   bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
export QT_QPA_PLATFORM=offscreen
ready=$(mktemp -u)

# Prints "<milliseconds to ready> <resident kB after settling>" for one start of $1.
measure() {
  rm -f "$ready"
  local start end pid rss
  start=$(date +%s%N)
  VELQUIST_READY_FILE=$ready "$1" >/dev/null 2>&1 &
  pid=$!
  while [ ! -s "$ready" ]; do sleep 0.002; done
  end=$(date +%s%N)
  sleep 0.5
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

report() {
  local name=$1 exe=$2 results
  results=$(for _ in $(seq "$runs"); do measure "$exe"; done)
  local ms kb
  ms=$(echo "$results" | awk '{print $1}' | median)
  kb=$(echo "$results" | awk '{print $2}' | median)
  echo "$name: start-up median ${ms} ms, idle resident $(( kb / 1024 )) MB" >&2
  echo "$ms $kb"
}

ours=$(report velquist "$build/src/app/velquist")
bare=$(report "empty Qt window" "$build/bench/bench_bare_window")
awk -v o="$ours" -v b="$bare" 'BEGIN {
  split(o, x, " "); split(b, y, " ");
  printf "ratio velquist / empty Qt window: start-up %.2f, memory %.2f\n", x[1] / y[1], x[2] / y[2] }'
