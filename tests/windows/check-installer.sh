#!/usr/bin/env bash
# Makes the Windows installer with cpack and runs it as a user would, in a
# fresh Wine prefix of its own.
#
#   check-installer.sh BUILD-DIR WINE-RUN STAND-IN-IDE VERSION
#
# STAND-IN-IDE is a program named bcb.exe (StandInIde.c) that the test runs
# to play the IDE. With it running, the installer and the uninstaller must
# refuse (exit status 2) and change nothing. Then a silent install into a
# folder with a space in its name must put the library, the two programs,
# the README and the uninstaller there, register the library under the
# IDE's experts key with that folder's path and list Vantrel in Add/Remove
# Programs, and the installed host must find the library beside it. A silent
# uninstall must take all of that away again but for a second value put
# into the experts key beforehand.
set -euo pipefail
build=$(realpath "$1")
wine_run=$2
ide=$3
version=$4
work=$(mktemp -d "${TMPDIR:-/tmp}/installer-test.XXXXXX")
prefix=$work/prefix
cleanup() {
  touch "$work/ide-stop"
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
run() { "$wine_run" "$prefix" "$@"; }
# The path of a Linux file as a Windows program sees it, through drive Z:.
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }
# Runs a Windows command line as it stands, through the command prompt:
# /D= and _?= take a folder with spaces only unquoted, and only as the
# last argument, which Wine's own quoting of arguments would not give.
run_line() { run cmd /c "$1"; }
# Waits for every program in the prefix to end (an uninstaller started
# without _?= runs on in a copy of itself after its first process exits).
settle() { WINEPREFIX=$prefix wineserver --wait; }

(cd "$build" && cpack -G NSIS -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not make the installer" >&2
  exit 1
}
setup=$work/out/vantrel-$version-win32.exe
[ -f "$setup" ] || { echo "FAIL: no vantrel-$version-win32.exe in: $(ls "$work/out")" >&2; exit 1; }
echo "installer: $(basename "$setup"), $(du -k "$setup" | cut -f1) KiB"

key='HKCU\Software\Borland\C++Builder\3.0\Experts'
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
folder='C:\Program Files\Vantrel Test'
installed="$prefix/drive_c/Program Files/Vantrel Test"
files=(vantrel-expert.dll vantrel.exe vantrel-host.exe README.txt Uninstall.exe)
expert_value() { run reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
uninstall_entry() {
  for hive in HKLM HKCU; do
    run reg query "$hive\\$uninstall_key" /v DisplayVersion 2>/dev/null | tr -d '\r' | sed -n 's/^ *DisplayVersion *REG_SZ *//p'
  done
}

# Starts the stand-in IDE and waits until it runs; ide_stops ends it.
ide_starts() {
  rm -f "$work/ide-ready" "$work/ide-stop"
  run "$ide" "$(windows_path "$work/ide-ready")" "$(windows_path "$work/ide-stop")" &
  ide_pid=$!
  for _ in $(seq 600); do [ -e "$work/ide-ready" ] && break; sleep 0.1; done
  [ -e "$work/ide-ready" ] || fail "the stand-in IDE did not start"
}
ide_stops() { touch "$work/ide-stop"; wait "$ide_pid" || fail "the stand-in IDE failed"; }

run reg add "$key" /v Other /t REG_SZ /d 'C:\Other\other-expert.dll' /f >/dev/null 2>&1

# The IDE runs: the installer refuses and installs nothing.
ide_starts
status=0
run_line "$(windows_path "$setup") /S /D=$folder" || status=$?
[ "$status" -eq 2 ] || fail "the installer ran while bcb.exe ran (exit status $status)"
[ ! -e "$installed" ] || fail "the installer wrote $installed while bcb.exe ran"
[ -z "$(expert_value Vantrel)" ] || fail "the installer registered the expert while bcb.exe ran"
ide_stops

# A silent install into the folder given.
status=0
run_line "$(windows_path "$setup") /S /D=$folder" || status=$?
[ "$status" -eq 0 ] || fail "the installer failed (exit status $status)"
for file in "${files[@]}"; do
  [ -f "$installed/$file" ] || fail "no $file in the folder chosen"
done
extra=$(ls "$installed" | grep -vxF -f <(printf '%s\n' "${files[@]}") || true)
[ -z "$extra" ] || fail "the installer put more into the folder: $extra"
value=$(expert_value Vantrel)
[ "$value" = "$folder\\vantrel-expert.dll" ] || fail "the expert is registered as '$value'"
[ "$(uninstall_entry)" = "$version" ] || fail "Add/Remove Programs lists version '$(uninstall_entry)'"
listed=$(run "$installed/vantrel-host.exe" --list 2>&1 || true)
grep -q '^New | MFC Vantrel(exe) VC 4.2 Mode | ' <<<"$listed" || fail "the installed host lists: $listed"

# The IDE runs again: the uninstaller (run in place, so that its status is
# its own) refuses and removes nothing.
ide_starts
status=0
run_line "cd /d $folder && Uninstall.exe /S _?=$folder" || status=$?
[ "$status" -eq 2 ] || fail "the uninstaller ran while bcb.exe ran (exit status $status)"
[ -f "$installed/vantrel-expert.dll" ] || fail "the uninstaller removed files while bcb.exe ran"
[ -n "$(expert_value Vantrel)" ] || fail "the uninstaller removed the value while bcb.exe ran"
ide_stops

# A silent uninstall, as Add/Remove Programs starts it.
status=0
run "$installed/Uninstall.exe" /S || status=$?
settle
[ "$status" -eq 0 ] || fail "the uninstaller failed (exit status $status)"
[ ! -e "$installed" ] || fail "the uninstaller left: $(ls -A "$installed")"
[ -z "$(expert_value Vantrel)" ] || fail "the uninstaller left the expert's value"
[ "$(expert_value Other)" = 'C:\Other\other-expert.dll' ] || fail "the uninstaller changed the other value: '$(expert_value Other)'"
[ -z "$(uninstall_entry)" ] || fail "Add/Remove Programs still lists Vantrel"

if [ "$failures" -ne 0 ]; then
  echo "installer test: $failures failure(s)"
  exit 1
fi
echo "installer: installs, registers, refuses while the IDE runs and uninstalls cleanly"
