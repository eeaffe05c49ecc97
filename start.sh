#!/usr/bin/env bash
# Installs what is missing, builds Morvelan and starts it on the virtual printer.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)

# Said before anything is installed or built: without a screen that work would lead nowhere.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "Morvelan precisa de uma tela gráfica e esta sessão não tem nenhuma (DISPLAY não definido)."
  echo "Abra-o numa sessão gráfica (numa máquina sem tela: apt-get install xvfb e xvfb-run ./start.sh)."
  exit 1
fi
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
exec "${MORVELAN_BUILD_DIR:-$root/build}/bin/morvelan" "$@"
