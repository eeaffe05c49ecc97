#!/bin/sh
# validate-desktop-files.sh ENTRY.desktop METAINFO.xml: the desktop's own validators, with any
# warning counted as a failure. Exit 77 (skipped) when a validator is not installed.
set -u
missing=""
command -v desktop-file-validate >/dev/null || missing="$missing desktop-file-utils"
command -v appstreamcli >/dev/null || missing="$missing appstream"
if [ -n "$missing" ]; then
  echo "Validadores ausentes; instale:$missing (tools/install-deps.sh instala os dois)."
  exit 77
fi
status=0
report=$(desktop-file-validate "$1" 2>&1) || status=1
if [ -n "$report" ]; then
  echo "$report"
  status=1
fi
appstreamcli validate --no-net --strict "$2" || status=1
exit $status
