#!/usr/bin/env bash
# Builds with ThreadSanitizer, into the directory given (default build-tsan), everything that
# crosses threads — the operation engine and its workers, the script worker, the key work, the
# update transfer, with their widget tests (offscreen) and the fault matrix against the virtual
# printer — and runs those test programs. Any report fails the run.
#
#   tools/run-tsan.sh [build directory]
# With MORVELAN_BUILD_LOCK set to a lock file, the build step waits for that lock (a machine
# shared by several builds); the tests run outside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-tsan}")

# The whole build is instrumented, the virtual printer library included, so that no lock taken
# in our own code goes unseen; Qt itself is not, which the suppressions below account for.
tsan="-fsanitize=thread -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DMORVELAN_GUI=ON -DMORVELAN_TSAN=ON -DMORVELAN_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS="$tsan" -DCMAKE_CXX_FLAGS="$tsan" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread \
  >/dev/null

tests=(
  EngineCoreTests EngineVirtualPrinterTests CommandFileTests morvelan_engine_ui_tests
  script_executor_tests script_executor_form_tests
  FiscalKeysTests FiscalKeysVirtualPrinterTests FiscalKeyFormsTests
  UpdateLogicTests UpdateVirtualPrinterTests UpdateFormTests
  FaultMatrixTests
)
lock=()
if [[ -n "${MORVELAN_BUILD_LOCK:-}" ]]; then
  lock=(flock "$MORVELAN_BUILD_LOCK")
fi
"${lock[@]}" cmake --build "$build" -j"$(nproc)" --target "${tests[@]}"

suppressions=$(mktemp)
trap 'rm -f "$suppressions"' EXIT
# Qt hands work of its own (image and font loading for the help pages) to its thread pool; the
# locks of that pool are inside the uninstrumented Qt build, so TSan would see only the pool's
# allocations crossing threads. Nothing of ours runs in that pool.
cat >"$suppressions" <<'EOF'
called_from_lib:libQt6Gui.so.6
called_from_lib:libQt6Core.so.6
race:QThreadPool
race:QRunnable
EOF
# A prompt asked from a worker is handed to the user-interface thread as a functor through Qt's
# event queue, whose lock TSan does not see either: what crosses there is followed no further.
echo 'race:qobjectdefs_impl.h' >>"$suppressions"

export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$suppressions"
export QT_QPA_PLATFORM=offscreen QT_NO_GLIB=1
failed=()
start=$SECONDS
for test in "${tests[@]}"; do
  echo "== $test"
  # Each program runs whole, in its own build folder as CTest would start it.
  binary="$build/bin/$test"
  if ! (cd "$(dirname "$binary")" && "$binary" --gtest_brief=1); then
    failed+=("$test")
  fi
done
echo "ThreadSanitizer: ${#tests[@]} programs in $((SECONDS - start)) s"
if ((${#failed[@]} != 0)); then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
