#!/usr/bin/env bash
# Takes the README's pictures: Morvelan under a virtual X screen (Xvfb) with a window manager
# (openbox), on the virtual printer, with every file it writes in a temporary directory.
# Saves docs/screenshots/*.png. Needs the build (tools/build.sh) and xvfb, openbox, xdotool and
# imagemagick, which the project's build does not; it says what to install when one is missing.
# The window manager is what gives each new dialog the keyboard, so the script drives the
# program with its own accelerators and waits for each window by its title instead of guessing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${MORVELAN_BUILD_DIR:-$root/build}/bin
out=$root/docs/screenshots

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v openbox >/dev/null || missing+=(openbox)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Faltam programas para as capturas; instale: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
if [[ ! -x "$bin/morvelan" ]]; then
  echo "Morvelan ainda não foi compilado: rode tools/build.sh primeiro." >&2
  exit 1
fi

work=$(mktemp -d -t morvelan-capturas.XXXXXX)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A program directory of its own: the library, key generation's module and the data files, a new
# virtual printer, and settings that leave the user's recent files (and window manager settings)
# alone.
cp "$bin/libInterfaceKorva.so" "$bin/libmorvelan-keygen.so" "$bin/comandos.xml" "$bin/kvkhist.khf" \
  "$work/"
export MORVELAN_HOME=$work KORVA_SIM_STATE=$work/printer.json XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() { echo "screenshots: $*" >&2; exit 1; }

# Waits for a condition for up to 20 s.
until_true() {
  local tries=0
  until "$@"; do
    ((++tries < 100)) || return 1
    sleep 0.2
  done
}

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1200x760x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
until_true test -s "$work/display" || fail "o Xvfb não iniciou"
export DISPLAY=:$(<"$work/display")
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# A script for the generator's picture: a comment, readings, two settings and a message.
script=$work/conferencia.SEQ
printf '%s\r\n' '//Conferir o relogio e o cliche antes de lacrar' '0001|0000' '0002|0000' \
  '0101|0000|01012026|120000|1' \
  '0103|0000|LOJA EXEMPLO|RUA DAS FLORES, 100|CENTRO|SAO PAULO SP|001|0001' \
  '0007|0000' '#Confira o cliche impresso' >"$script"

(cd "$work" && exec "$bin/morvelan") >/dev/null 2>&1 &
pids+=($!)

active_is() { [[ $(xdotool getactivewindow getwindowname 2>/dev/null) == "$1"* ]]; }
# Waits until the window titled <title...> has the keyboard and prints its id.
await() {
  until_true active_is "$1" || fail "a janela \"$1\" não apareceu"
  sleep 0.5
  xdotool getactivewindow
}
# Waits until the window <id> is gone.
gone() { until_true eval "! xdotool getwindowname $1 >/dev/null 2>&1" || fail "janela $1 ficou aberta"; }
# Answers the message box on screen with <key> and waits until it has closed.
answer() {
  local box
  box=$(await "Alerta Morvelan")
  xdotool key "$1"
  gone "$box"
  sleep 0.5
}
shot() { sleep 1; import -window root "$out/$1.png"; echo "docs/screenshots/$1.png"; }
keys() { xdotool key --delay 150 "$@"; }
typed() { xdotool type --delay 60 "$1"; sleep 0.5; }

window=$(await "Morvelan .:")
sleep 1
# Picks a function in the tree as a technician would with the keyboard: from the root, type
# the group number, open the group, type the item's number.
pick() {
  xdotool mousemove --window "$window" 60 28 click 1 # the root, "Funções"
  sleep 0.6
  typed "${1%%.*}"
  keys Right
  sleep 0.6
  typed "$1"
  sleep 1
}
# Clicks at <x> <y> inside window <id>.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }

mkdir -p "$out"

pick 06.05                 # Data e hora
keys alt+l                 # "&Ler Configuração"
answer Return              # the read's message
shot main-window

pick 06.07                 # Meios de pagamentos
keys alt+l
answer Return
click "$window" 700 72     # row 02
typed "Cheque"
click "$window" 700 100    # row 03, linked
typed "Cartão"
click "$window" 1113 100
keys alt+e                 # "&Enviar": the table is read again ...
answer Return
await "Alerta Morvelan" >/dev/null # ... and the change plan is asked
shot table-change-plan
answer alt+n               # "&Não"

pick 07.01                 # Estado do ECF
keys alt+v                 # "&Verificar o Estado do ECF"
sleep 3
active_is "Morvelan .:" || fail "a leitura do estado não terminou"
shot response-panel

pick 09.01                 # Gerador de scripts
dialog=$(await "Dialog")
click "$dialog" 41 64      # open "02 - Configurações" in the command tree
click "$dialog" 848 523    # "Carregar Script"
await "Abrir" >/dev/null
typed "$script"
keys Return
answer Return              # "Arquivo Carregado com Sucesso."
click "$dialog" 950 95     # the script's "Configurar cliche" line, into the form
shot script-generator
