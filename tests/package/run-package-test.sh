#!/usr/bin/env bash
# Builds the Debian package of a build directory, unpacks it into a
# temporary root with dpkg -x (nothing is installed), and checks that its
# programs are stripped and run from there: `vantrel --help`, and
# `vantrel-host --list`, which loads the expert library from the package's
# lib/vantrel; both programs' --version must give the package's version.
#
#   tests/package/run-package-test.sh BUILD_DIR
#
# Exit status: 0 passed, 1 failed, 77 skipped (cpack or dpkg missing).
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
for tool in cpack dpkg readelf; do
  command -v "$tool" > /dev/null || { echo "skip: $tool is not installed"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack could not build the package"; exit 1; }
debs=("$work"/out/vantrel_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no package in $work/out"; exit 1; }
dpkg -x "${debs[0]}" "$work/root"
echo "package: $(basename "${debs[0]}"), $(du -k "${debs[0]}" | cut -f1) KiB"

for file in usr/bin/vantrel usr/bin/vantrel-host usr/lib/vantrel/libvantrel-expert.so; do
  if [ ! -f "$work/root/$file" ]; then
    fail "the package holds no $file"
  elif readelf -S "$work/root/$file" | grep -qE '\.symtab|\.debug_'; then
    fail "$file is not stripped"
  fi
done

help=$("$work/root/usr/bin/vantrel" --help 2>&1) || fail "vantrel --help failed: $help"
grep -q '^Usage: vantrel new NAME' <<< "$help" || fail "vantrel --help printed: $help"

# The package and both programs name one version.
version=$(dpkg-deb -f "${debs[0]}" Version)
for program in vantrel vantrel-host; do
  printed=$("$work/root/usr/bin/$program" --version 2>&1) || fail "$program --version failed: $printed"
  [ "$printed" = "vantrel $version" ] || fail "$program --version printed '$printed'; the package is $version"
done

list=$(env -u DISPLAY "$work/root/usr/bin/vantrel-host" --list 2>&1) || fail "vantrel-host --list failed: $list"
grep -q '^New | ' <<< "$list" || fail "vantrel-host --list lists no expert on the New page: $list"

if [ "$failures" -ne 0 ]; then
  echo "package test: $failures failure(s)"
  exit 1
fi
echo "package test: passed"
