#!/bin/sh
# Plants a core that includes a Qt Widgets header in one file and links Qt Widgets in another,
# and passes only when the check names both and fails.
set -eu
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/core/engine"
printf '#include <QString>\n#include <QtWidgets/QDialog>\n' >"$tree/core/engine/Clean.h"
printf '#include <string>\n#include <QLineEdit>\n' >"$tree/core/engine/Leak.cpp"
printf '# Qt Widgets named in a comment is fine\ntarget_link_libraries(x Qt6::Widgets)\n' \
  >"$tree/core/CMakeLists.txt"
if out=$("$check" "$tree"); then
  echo "the check passed a core that includes Qt Widgets"
  exit 1
fi
echo "$out"
for expected in "core/engine/Clean.h:2:" "core/engine/Leak.cpp:2:" "core/CMakeLists.txt:2:"; do
  echo "$out" | grep -qF "$expected" || { echo "not named: $expected"; exit 1; }
done
[ "$(echo "$out" | wc -l)" -eq 3 ] || { echo "named more than the three lines"; exit 1; }
