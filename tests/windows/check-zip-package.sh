#!/usr/bin/env bash
# Makes the Windows zip with cpack and checks it as a user would use it
# (docs/testing.md tells what):
#   check-zip-package.sh BUILD-DIR WINE-RUN WINE-PREFIX OBJDUMP WINDRES VERSION
set -euo pipefail
build=$1 wine_run=$2 prefix=$3 objdump=$4 windres=$5 version=$6
# The size budget in bytes: the library 700 KB, each program and the zip
# 1 MB (a KB taken as 1,000 bytes). The C++ streams alone would take a
# program over its budget (some 1 MB in a static Windows program).
declare -A budget=([vantrel-expert.dll]=700000 [vantrel.exe]=1000000 [vantrel-host.exe]=1000000 [zip]=1000000)
source "$(dirname "$0")/../lib/common.sh"
make_work zip-test
make_package "$build" ZIP "vantrel-$version-win32.zip"
zip=$package size=$(stat -c %s "$package")
[ "$size" -le "${budget[zip]}" ] || fail "the zip weighs $size bytes, more than ${budget[zip]}"
same_lines "the zip's contents" "$(printf '%s\n' README.txt vantrel-expert.dll vantrel-expert.reg vantrel-host.exe vantrel.exe)" \
  "$(cmake -E tar tf "$zip")"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
# Each binary: stripped, within budget, and its version resource (what the
# file's Properties show) read back with windres.
IFS=. read -r major minor patch <<<"$version"
for file in vantrel-expert.dll vantrel.exe vantrel-host.exe; do
  path=$work/unpacked/$file
  [ -f "$path" ] || continue
  size=$(stat -c %s "$path")
  echo "$file: $size bytes"
  [ "$size" -le "${budget[$file]}" ] || fail "$file weighs $size bytes, more than ${budget[$file]}"
  if "$objdump" -h "$path" | grep -q '\.debug_' || ! "$objdump" -t "$path" | grep -q '^no symbols'; then
    fail "$file is not stripped"
  fi
  resource=$("$windres" -i "$path" -O rc 2>&1 | tr -d '\r' | sed -n '/VERSIONINFO/,$p')
  for expected in "FILEVERSION $major, $minor, $patch, 0" "PRODUCTVERSION $major, $minor, $patch, 0" \
                  "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
                  "VALUE \"ProductName\", \"Vantrel\"" "VALUE \"OriginalFilename\", \"$file\"" \
                  "VALUE \"FileDescription\", \"Vantrel " "VALUE \"LegalCopyright\", \"Copyright "; do
    grep -qF "$expected" <<<"$resource" || fail "$file's version resource lacks '$expected'"
  done
done

listed=$(in_wine "$work/unpacked/vantrel-host.exe" --list 2>&1 || true)
grep -q '^New | MFC Vantrel(exe) VC 4.2 Mode | ' <<<"$listed" || fail "the unpacked host lists: $listed"

in_wine regedit /S "$(windows_path "$work/unpacked/vantrel-expert.reg")"
value=$(reg_value "$experts_key" Vantrel)
[ "$value" = 'C:\Vantrel\vantrel-expert.dll' ] || fail "the .reg file registers '$value'"
in_wine reg delete "$experts_key" /v Vantrel /f >/dev/null 2>&1 || true
finish "zip package"
