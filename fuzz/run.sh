#!/usr/bin/env bash
# Runs the fuzz targets of a sanitizer build, two at a time, each for SECONDS on its seeds and on
# the corpus it grew in earlier runs. Any crash, leak, time-out or allocation past the limits
# fails the run and leaves the input under <build>/fuzz-work/artifacts/.
#   fuzz/run.sh <build-dir> [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: fuzz/run.sh <build-dir> [seconds] [target...]}
seconds=${2:-60}
shift $(( $# < 2 ? $# : 2 ))
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(picture text ini version_file code_file zip_entry map_file image_map)

# Longest input per target, and the largest single allocation it may make: for the decoders a
# picture at the size limit (256 MiB) and 32 rows of the widest one, which libwebp's lossless
# decoder adds; far less for the text readers.
declare -A max_len=([picture]=32768 [text]=4096 [ini]=16384 [version_file]=4096 [code_file]=8192
                    [zip_entry]=16384 [map_file]=16384 [image_map]=16384)
declare -A malloc_mb=([picture]=260)
declare -A timeout_s=([picture]=30)

work=$build/fuzz-work
mkdir -p "$work/artifacts" "$work/logs"
"$build/fuzz/velquist_fuzz_seeds" "$work/seeds"
if [ -x /usr/bin/llvm-symbolizer-14 ]; then
  export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
fi
export UBSAN_OPTIONS=print_stacktrace=1

run_target() {
  local t=$1
  mkdir -p "$work/corpus/$t"
  local seeds=() dict=()
  for d in "fuzz/corpus/$t" "$work/seeds/$t"; do
    [ -d "$d" ] && seeds+=("$d")
  done
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="${max_len[$t]}" \
    -rss_limit_mb=2048 -malloc_limit_mb="${malloc_mb[$t]:-64}" -timeout="${timeout_s[$t]:-10}" \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/$t-" "${dict[@]}" \
    "$work/corpus/$t" "${seeds[@]}" >"$work/logs/$t.log" 2>&1
}

# The last coverage line and the final statistics of a log, on one line.
summary() {
  local log=$work/logs/$1.log
  local cov execs
  cov=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  execs=$(grep -Eo 'average_exec_per_sec: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || true)
  printf '%-13s %-5s %8s exec/s  %s\n' "$1" "$2" "${execs:-?}" "${cov:-no coverage line}"
}

declare -A pid_of=()
running=()
failed=()
finish() {
  local t=$1
  if wait "${pid_of[$t]}"; then
    summary "$t" ok
  else
    summary "$t" FAIL
    failed+=("$t")
  fi
  unset "pid_of[$t]"
}

for t in "${targets[@]}"; do
  [ -n "${max_len[$t]:-}" ] || { echo "unknown fuzz target: $t" >&2; exit 2; }
  if [ ${#pid_of[@]} -ge 2 ]; then
    # Wait for the older of the two running targets.
    finish "${running[0]}"
    running=("${running[@]:1}")
  fi
  run_target "$t" &
  pid_of[$t]=$!
  running+=("$t")
done
for t in "${running[@]}"; do
  finish "$t"
done

if [ ${#failed[@]} -gt 0 ]; then
  for t in "${failed[@]}"; do
    echo "== fuzz_$t failed; end of $work/logs/$t.log:"
    tail -n 40 "$work/logs/$t.log"
  done
  exit 1
fi
