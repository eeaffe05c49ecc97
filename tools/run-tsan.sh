#!/usr/bin/env bash
# Builds the operation engine and its tests with ThreadSanitizer into the directory given
# (default build-tsan) and runs them: the engine's workers and flags cross threads.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-tsan}
cmake -S "$root" -B "$build" -DMORVELAN_GUI=OFF -DMORVELAN_TSAN=ON -DMORVELAN_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j"$(nproc)" --target EngineCoreTests EngineVirtualPrinterTests CommandFileTests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$build" -R "Engine|CommandFile" --output-on-failure
