#!/usr/bin/env bash
# Builds the Debian package of BUILD-DIR, unpacks it with dpkg -x (nothing
# is installed) and runs its stripped programs from there: `vantrel --help`,
# and `vantrel-host --list`, which loads the expert library from the
# package's lib/vantrel; both must give the package's version.
#
#   tests/package/run-package-test.sh BUILD-DIR
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 BUILD-DIR" >&2; exit 2; }
source "$(dirname "$0")/../lib/common.sh"
need cpack dpkg readelf
make_work package-test
make_package "$1" DEB 'vantrel_*.deb'
dpkg -x "$package" "$work/root"

for file in usr/bin/vantrel usr/bin/vantrel-host usr/lib/vantrel/libvantrel-expert.so; do
  if [ ! -f "$work/root/$file" ]; then
    fail "the package holds no $file"
  elif readelf -S "$work/root/$file" | grep -qE '\.symtab|\.debug_'; then
    fail "$file is not stripped"
  fi
done

help=$("$work/root/usr/bin/vantrel" --help 2>&1) || fail "vantrel --help failed: $help"
grep -q '^Usage: vantrel new NAME' <<< "$help" || fail "vantrel --help printed: $help"

version=$(dpkg-deb -f "$package" Version)
for program in vantrel vantrel-host; do
  printed=$("$work/root/usr/bin/$program" --version 2>&1) || fail "$program --version failed: $printed"
  [ "$printed" = "vantrel $version" ] || fail "$program --version printed '$printed'; the package is $version"
done

list=$(env -u DISPLAY "$work/root/usr/bin/vantrel-host" --list 2>&1) || fail "vantrel-host --list failed: $list"
grep -q '^New | ' <<< "$list" || fail "vantrel-host --list lists no expert on the New page: $list"
finish "package test"
