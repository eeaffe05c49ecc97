#!/usr/bin/env bash
# Holds the core to its one rule: nothing under core/ includes a Qt Widgets header or asks CMake
# for Qt Widgets, so that the command line and the sanitizer builds get the whole core without
# windows. Prints each offending line and exits 1; exits 0 when the core is clean.
#
#   tools/check-core-includes.sh [checkout]   (default: this checkout)
set -euo pipefail
root=$(realpath "${1:-$(dirname "$0")/..}")
core=$root/core
[[ -d $core ]] || { echo "no core/ folder in $root" >&2; exit 2; }

# The header names come from the installed module, so that a class Qt adds later is caught too.
widgets_dir=
for dir in /usr/include/*/qt6/QtWidgets /usr/include/qt6/QtWidgets; do
  [[ -d $dir ]] && widgets_dir=$dir && break
done
[[ -n $widgets_dir ]] || { echo "Qt Widgets headers not found (qt6-base-dev)" >&2; exit 2; }

names=$(mktemp)
trap 'rm -f "$names"' EXIT
{
  echo QtWidgets
  ls "$widgets_dir"
} | sed 's/\.h$//' | sort -u >"$names"

status=0
# Every angle-bracket include of a Q-name, checked against the module's own header list.
while IFS= read -r line; do
  header=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*<([^>]+)>.*/\1/' <<<"${line#*:*:}")
  base=${header#QtWidgets/}
  base=${base%.h}
  if [[ $header == QtWidgets/* ]] || grep -qxF "$base" "$names"; then
    echo "${line#"$root"/}: Qt Widgets header in the core"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$core" \
           --include='*.h' --include='*.cpp' --include='*.in' || true)

while IFS= read -r line; do
  echo "${line#"$root"/}: the core asks for Qt Widgets"
  status=1
done < <(grep -rnE 'Widgets' "$core" --include=CMakeLists.txt --include='*.cmake' |
           grep -vE ':[0-9]+:[[:space:]]*#' || true)
exit $status
