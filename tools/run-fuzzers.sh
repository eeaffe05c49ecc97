#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each one for a bounded time, starting from its seed corpus in fuzz/corpus/.
#
#   tools/run-fuzzers.sh <build-dir> [seconds-per-target] [target...]
#
# Seconds per target: the argument, else $MORVELAN_FUZZ_SECONDS, else 40, so that the nine
# targets together stay within six minutes. With $MORVELAN_BUILD_LOCK set, the build waits for
# that lock file (machines where several builds share the cores).
#
# The corpus grown by a run is kept in <build-dir>/fuzz-corpus/<target>/ and reused by the next
# run; a crash leaves its input in <build-dir>/fuzz-artifacts/ and makes the script fail. The
# executions per second of each target are listed at the end.
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 <build-dir> [seconds-per-target] [target...]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
seconds=${2:-${MORVELAN_FUZZ_SECONDS:-40}}
shift $(($# < 2 ? $# : 2))

# target name and the folder of its seeds (and its token dictionary, when there is one)
targets=(fuzz_xml_reader:xml fuzz_script_file:script fuzz_script_check:script-check
  fuzz_command_file:commandfile
  fuzz_script_worker:script fuzz_update_file:update fuzz_key_history:keyhistory
  fuzz_printer_command:printer-command fuzz_state_file:state-file)
if [[ $# -gt 0 ]]; then
  chosen=()
  for name in "$@"; do
    for entry in "${targets[@]}"; do
      [[ ${entry%%:*} == "$name" ]] && chosen+=("$entry")
    done
  done
  targets=("${chosen[@]}")
fi

if [[ ! -f $build/CMakeCache.txt ]]; then
  # The core and the fuzz targets only, at -O1 with assertions on.
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" \
    -DMORVELAN_FUZZ=ON -DMORVELAN_GUI=OFF -DMORVELAN_SANITIZE=ON \
    -DMORVELAN_BENCHMARKS=OFF -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" >/dev/null
else
  cmake -S "$root" -B "$build" >/dev/null
fi

names=()
for entry in "${targets[@]}"; do
  names+=("${entry%%:*}")
done
lock=()
if [[ -n ${MORVELAN_BUILD_LOCK:-} ]]; then
  lock=(flock "$MORVELAN_BUILD_LOCK")
fi
"${lock[@]}" cmake --build "$build" -j"$(nproc)" --target "${names[@]}"

mkdir -p "$build/fuzz-artifacts"
summary=()
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  seeds=${entry##*:}
  binary=$(find "$build" -type f -name "$target" -perm -u+x | head -n 1)
  if [[ -z $binary ]]; then
    echo "fuzz target $target was not built" >&2
    exit 1
  fi
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/fuzz-artifacts/$target-")
  if [[ -f "$root/fuzz/$seeds.dict" ]]; then
    options+=(-dict="$root/fuzz/$seeds.dict")
  fi
  echo "== $target for ${seconds}s"
  log="$build/fuzz-artifacts/$target.log"
  status=0
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    "$binary" "${options[@]}" "$corpus" "$root/fuzz/corpus/$seeds" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ +DONE|==[0-9]+==ERROR|SUMMARY)' "$log" || true
  if [[ $status -ne 0 ]]; then
    tail -n 40 "$log" >&2
    echo "$target failed; see $log and $build/fuzz-artifacts/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  summary+=("$(printf '%-22s %10s runs %8s exec/s' "$target" "${runs:-?}" "${rate:-?}")")
done
printf '%s\n' "${summary[@]}"
echo "fuzz targets passed"
