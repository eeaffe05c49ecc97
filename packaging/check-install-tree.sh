#!/bin/sh
# check-install-tree.sh BUILD_DIR [--hardened]: installs the build under /usr in a scratch root,
# as the Debian package lays it out, and checks that what a Debian package must carry is there
# (licence, changelog, compressed manual pages of the three programs, doc-base entry, icons).
# With --hardened, also that every program and the library carry Debian's hardening: PIE,
# read-only relocations bound at start, stack canaries and the checked libc functions.
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
if ! DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null; then
  echo "cmake --install falhou"
  exit 1
fi
status=0
fail() {
  echo "$1"
  status=1
}

for file in share/doc/morvelan/copyright share/doc/morvelan/changelog.gz \
  share/man/man1/morvelan.1.gz share/man/man1/morvelan-cli.1.gz share/man/man1/korva-sim.1.gz \
  share/doc-base/morvelan share/doc/morvelan/html/index.html \
  share/icons/hicolor/scalable/apps/morvelan.svg share/icons/hicolor/16x16/apps/morvelan.png \
  share/icons/hicolor/256x256/apps/morvelan.png; do
  [ -s "$root/usr/$file" ] || fail "falta /usr/$file"
done
for page in "$root"/usr/share/man/man1/*; do
  gzip -t "$page" 2>/dev/null || fail "não é gzip: $page"
done

if [ "${2:-}" = --hardened ]; then
  for binary in "$root"/usr/bin/* "$root"/usr/lib/*/morvelan/*.so; do
    [ -f "$binary" ] || { fail "não instalado: $binary"; continue; }
    readelf -h "$binary" | grep -q 'Type:.*DYN' || fail "sem PIE: $binary"
    readelf -lW "$binary" | grep -q GNU_RELRO || fail "sem RELRO: $binary"
    readelf -dW "$binary" | grep -q 'BIND_NOW' || fail "sem BIND_NOW: $binary"
    symbols=$(readelf --dyn-syms -W "$binary")
    echo "$symbols" | grep -q '__stack_chk_fail' || fail "sem proteção de pilha: $binary"
    echo "$symbols" | grep -q '__[a-z]*_chk@' || fail "sem funções verificadas: $binary"
  done
fi
exit $status
