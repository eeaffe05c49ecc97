#!/usr/bin/env bash
# Installs what is missing, builds Morvelan and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
build=${MORVELAN_BUILD_DIR:-$root/build}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
