#!/usr/bin/env bash
# Makes the Windows zip with cpack and checks it as a user would use it.
#
#   check-zip-package.sh BUILD-DIR WINE-RUN WINE-PREFIX
#
# The zip must hold exactly the library, the two programs, the README and
# the .reg file; the host run from the unpacked folder must find the library
# beside it and list the wizard (so nothing else is needed); and Wine's
# registry editor must import the .reg file into the IDE's experts key.
set -euo pipefail
build=$1
wine_run=$2
prefix=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

(cd "$build" && cpack -G ZIP -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
zip=$(ls "$work"/out/*.zip)
actual=$(cmake -E tar tf "$zip" | sort)
expected=$(printf '%s\n' README.txt vantrel-expert.dll vantrel-expert.reg vantrel-host.exe vantrel.exe | sort)
if [ "$actual" != "$expected" ]; then
  fail "the zip's contents"
  diff <(echo "$expected") <(echo "$actual") >&2 || true
fi

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
listed=$("$wine_run" "$prefix" "$work/unpacked/vantrel-host.exe" --list 2>&1 || true)
grep -q '^New | MFC Vantrel(exe) VC 4.2 Mode | ' <<<"$listed" || fail "the unpacked host lists: $listed"

key='HKCU\Software\Borland\C++Builder\3.0\Experts'
"$wine_run" "$prefix" regedit /S "Z:${work//\//\\}\\unpacked\\vantrel-expert.reg"
value=$("$wine_run" "$prefix" reg query "$key" /v Vantrel 2>&1 || true)
grep -qF 'REG_SZ    C:\Vantrel\vantrel-expert.dll' <<<"$value" || fail "the .reg file registers: $value"
"$wine_run" "$prefix" reg delete "$key" /v Vantrel /f >/dev/null 2>&1 || true

[ $status -eq 0 ] && echo "zip package: as required"
exit $status
