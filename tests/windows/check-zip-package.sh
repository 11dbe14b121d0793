#!/usr/bin/env bash
# Makes the Windows zip with cpack and checks it as a user would use it.
#
#   check-zip-package.sh BUILD-DIR WINE-RUN WINE-PREFIX OBJDUMP WINDRES VERSION
#
# The zip must be named for VERSION and hold exactly the library, the two
# programs, the README and the .reg file; each binary must be stripped,
# within its size budget, and carry a version resource with VERSION; the
# host run from the unpacked folder must find the library beside it and
# list the wizard (so nothing else is needed); and Wine's registry editor
# must import the .reg file into the IDE's experts key.
set -euo pipefail
build=$1
wine_run=$2
prefix=$3
objdump=$4
windres=$5
version=$6
# Ceilings in bytes, a few percent above what each weighs today, so that
# growth shows here (the C++ runtime's streams, linked into the library,
# would add some 800 KB). The targets are lower: the library 700 KB, each
# program and the zip 1 MB; the programs reach theirs only without the
# C++ streams, which alone weigh about 1 MB in a static Windows program.
declare -A budget=([vantrel-expert.dll]=951000 [vantrel.exe]=1800000 [vantrel-host.exe]=1300000 [zip]=1320000)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

(cd "$build" && cpack -G ZIP -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
zip=$work/out/vantrel-$version-win32.zip
[ -f "$zip" ] || { echo "FAIL: no vantrel-$version-win32.zip in: $(ls "$work/out")" >&2; exit 1; }
size=$(stat -c %s "$zip")
echo "zip: $(basename "$zip"), $size bytes"
[ "$size" -le "${budget[zip]}" ] || fail "the zip weighs $size bytes, more than ${budget[zip]}"
actual=$(cmake -E tar tf "$zip" | sort)
expected=$(printf '%s\n' README.txt vantrel-expert.dll vantrel-expert.reg vantrel-host.exe vantrel.exe | sort)
if [ "$actual" != "$expected" ]; then
  fail "the zip's contents"
  diff <(echo "$expected") <(echo "$actual") >&2 || true
fi

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

listed=$("$wine_run" "$prefix" "$work/unpacked/vantrel-host.exe" --list 2>&1 || true)
grep -q '^New | MFC Vantrel(exe) VC 4.2 Mode | ' <<<"$listed" || fail "the unpacked host lists: $listed"

key='HKCU\Software\Borland\C++Builder\3.0\Experts'
"$wine_run" "$prefix" regedit /S "Z:${work//\//\\}\\unpacked\\vantrel-expert.reg"
value=$("$wine_run" "$prefix" reg query "$key" /v Vantrel 2>&1 || true)
grep -qF 'REG_SZ    C:\Vantrel\vantrel-expert.dll' <<<"$value" || fail "the .reg file registers: $value"
"$wine_run" "$prefix" reg delete "$key" /v Vantrel /f >/dev/null 2>&1 || true

[ $status -eq 0 ] && echo "zip package: as required"
exit $status
