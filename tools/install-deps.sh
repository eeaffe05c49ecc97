#!/usr/bin/env bash
# Installs the Debian 12 packages Morvelan needs to build, test and run, when they are missing.
# Runs apt-get as root, or through sudo for an ordinary user.
set -euo pipefail

packages=(
  build-essential cmake git binutils python3 pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libssl-dev zlib1g-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  openssl libsqlite3-dev
  desktop-file-utils appstream librsvg2-bin
  ccache
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Instalando pacotes que faltam: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "Faltam pacotes (${missing[*]}) e não há como instalá-los: rode como root ou instale o sudo." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
