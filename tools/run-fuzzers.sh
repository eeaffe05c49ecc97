#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each one for a bounded time, starting from its seed corpus in fuzz/corpus/.
#
#   tools/run-fuzzers.sh <build-dir> [seconds-per-target]   (default 60 seconds)
#
# The corpus grown by a run is kept in <build-dir>/fuzz-corpus/ and reused by the next run;
# a crash leaves its input in <build-dir>/fuzz-artifacts/ and makes the script fail.
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 <build-dir> [seconds-per-target]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
seconds=${2:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" \
  -DMORVELAN_FUZZ=ON -DMORVELAN_GUI=OFF -DMORVELAN_SANITIZE=ON \
  -DMORVELAN_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null

# target name and the folder of its seeds (and its token dictionary, when there is one)
targets=(fuzz_xml_reader:xml fuzz_script_file:script fuzz_command_file:commandfile
  fuzz_script_worker:script)

names=()
for entry in "${targets[@]}"; do
  names+=("${entry%%:*}")
done
cmake --build "$build" -j"$(nproc)" --target "${names[@]}"

mkdir -p "$build/fuzz-artifacts"
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  seeds=${entry##*:}
  binary=$(find "$build" -type f -name "$target" -perm -u+x | head -n 1)
  if [[ -z $binary ]]; then
    echo "fuzz target $target was not built" >&2
    exit 1
  fi
  corpus="$build/fuzz-corpus/$seeds"
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/fuzz-artifacts/$target-")
  if [[ -f "$root/fuzz/$seeds.dict" ]]; then
    options+=(-dict="$root/fuzz/$seeds.dict")
  fi
  echo "== $target for ${seconds}s"
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    "$binary" "${options[@]}" "$corpus" "$root/fuzz/corpus/$seeds"
done
echo "fuzz targets passed"
