#!/usr/bin/env bash
# Installs what is missing, builds Morvelan and packs it as a Debian package:
# build/morvelan_<version>_<arch>.deb, for `sudo apt install ./build/morvelan_*.deb`.
# Arguments go to CMake, e.g. the packager's name for the Maintainer field and the changelog:
#   ./package.sh -DMORVELAN_PACKAGE_MAINTAINER="Nome <email@dominio>"
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$@"
build=${MORVELAN_BUILD_DIR:-$root/build}
(cd "$build" && cpack -G DEB)
ls "$build"/morvelan_*.deb
