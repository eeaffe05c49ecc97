#!/usr/bin/env bash
# Crash injection by hand: kills a writer of each file the program owns with SIGKILL at random
# instants, and checks after every kill that the file holds a whole version the program reads.
#
#   tools/crash-inject.sh [kills (3000)] [seed] [file...]
#
# Files: default.cmd comandos.xml kvkhist.khf chaves.dat printer-state paper-roll historico.db
# (all by default). Builds into build/ (or $MORVELAN_BUILD_DIR); with $MORVELAN_BUILD_LOCK set,
# the build waits for that lock file. CTest runs the same harness with 300 kills.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVELAN_BUILD_DIR:-$root/build}
kills=${1:-3000}
seed=${2:-$RANDOM}
shift $(($# < 2 ? $# : 2))

lock=()
if [[ -n ${MORVELAN_BUILD_LOCK:-} ]]; then
  lock=(flock "$MORVELAN_BUILD_LOCK")
fi
"${lock[@]}" cmake --build "$build" -j"$(nproc)" --target crash_driver crash_harness
"$build/bin/crash_harness" "$build/bin/crash_driver" "$kills" "$seed" "$@"
