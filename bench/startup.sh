#!/usr/bin/env bash
# Start-up to the main window shown, and resident memory when idle: median of N whole-process
# starts on the offscreen platform, against an empty Qt window measured the same way.
#   bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
export QT_QPA_PLATFORM=offscreen
ready=$(mktemp -u)

# Prints "<tenths of a millisecond to ready> <resident kB after settling>" for one start of $1.
measure() {
  rm -f "$ready"
  local start end pid rss
  start=$(date +%s%N)
  VELQUIST_READY_FILE=$ready "$1" >/dev/null 2>&1 &
  pid=$!
  while [ ! -s "$ready" ]; do sleep 0.001; done
  end=$(date +%s%N)
  sleep 0.5
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 100000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# The two programs start in turn, so a machine that gets busier or quieter during the run
# weighs on both alike.
ours_exe=$build/src/app/velquist
bare_exe=$build/bench/bench_bare_window
ours_runs=
bare_runs=
for _ in $(seq "$runs"); do
  ours_runs+="$(measure "$ours_exe")"$'\n'
  bare_runs+="$(measure "$bare_exe")"$'\n'
done

report() {
  local name=$1 results=$2 tenths kb
  tenths=$(echo -n "$results" | awk '{print $1}' | median)
  kb=$(echo -n "$results" | awk '{print $2}' | median)
  awk -v n="$name" -v t="$tenths" -v k="$kb" \
    'BEGIN { printf "%s: start-up median %.1f ms, idle resident %d MB\n", n, t / 10, k / 1024 }' >&2
  echo "$tenths $kb"
}

ours=$(report velquist "$ours_runs")
bare=$(report "empty Qt window" "$bare_runs")
awk -v o="$ours" -v b="$bare" 'BEGIN {
  split(o, x, " "); split(b, y, " ");
  printf "ratio velquist / empty Qt window: start-up %.2f, memory %.2f\n", x[1] / y[1], x[2] / y[2] }'
