#!/usr/bin/env bash
# Makes the Windows installer with cpack and runs it silently, as a user
# would, in a fresh Wine prefix of its own (docs/testing.md tells what):
#   check-installer.sh BUILD-DIR WINE-RUN STAND-IN-IDE VERSION
# STAND-IN-IDE is a program named bcb.exe (StandInIde.c) that plays the IDE.
set -euo pipefail
build=$1 wine_run=$2 ide=$3 version=$4
source "$(dirname "$0")/../lib/common.sh"
make_work installer-test
prefix=$work/prefix
at_exit 'touch "$work/ide-stop"; WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true'
# Runs a Windows command line as it stands, through the command prompt:
# /D= and _?= take a folder with spaces only unquoted, and only as the
# last argument, which Wine's own quoting of arguments would not give.
run_line() { in_wine cmd /c "$1"; }
# Fails unless the command ends with status WANT: WANT WHAT COMMAND...
exits() {
  local status=0
  "${@:3}" || status=$?
  [ "$status" -eq "$1" ] || fail "$2 (exit status $status)"
}

make_package "$build" NSIS "vantrel-$version-win32.exe"
setup=$package
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
folder='C:\Program Files\Vantrel Test'
installed="$prefix/drive_c/Program Files/Vantrel Test"
files=(vantrel-expert.dll vantrel.exe vantrel-host.exe README.txt Uninstall.exe)
expert_value() { reg_value "$experts_key" "$1"; }
uninstall_entry() { for hive in HKLM HKCU; do reg_value "$hive\\$uninstall_key" DisplayVersion; done; }

# Starts the stand-in IDE and waits until it runs; ide_stops ends it.
ide_starts() {
  rm -f "$work/ide-ready" "$work/ide-stop"
  in_wine "$ide" "$(windows_path "$work/ide-ready")" "$(windows_path "$work/ide-stop")" &
  ide_pid=$!
  retry 600 test -e "$work/ide-ready" || fail "the stand-in IDE did not start"
}
ide_stops() { touch "$work/ide-stop"; wait "$ide_pid" || fail "the stand-in IDE failed"; }

in_wine reg add "$experts_key" /v Other /t REG_SZ /d 'C:\Other\other-expert.dll' /f >/dev/null 2>&1

# The IDE runs: the installer refuses and installs nothing.
ide_starts
exits 2 "the installer ran while bcb.exe ran" run_line "$(windows_path "$setup") /S /D=$folder"
[ ! -e "$installed" ] || fail "the installer wrote $installed while bcb.exe ran"
[ -z "$(expert_value Vantrel)" ] || fail "the installer registered the expert while bcb.exe ran"
ide_stops

# A silent install into the folder given.
exits 0 "the installer failed" run_line "$(windows_path "$setup") /S /D=$folder"
for file in "${files[@]}"; do
  [ -f "$installed/$file" ] || fail "no $file in the folder chosen"
done
extra=$(ls "$installed" | grep -vxF -f <(printf '%s\n' "${files[@]}") || true)
[ -z "$extra" ] || fail "the installer put more into the folder: $extra"
value=$(expert_value Vantrel)
[ "$value" = "$folder\\vantrel-expert.dll" ] || fail "the expert is registered as '$value'"
[ "$(uninstall_entry)" = "$version" ] || fail "Add/Remove Programs lists version '$(uninstall_entry)'"
listed=$(in_wine "$installed/vantrel-host.exe" --list 2>&1 || true)
grep -q '^New | MFC Vantrel(exe) VC 4.2 Mode | ' <<<"$listed" || fail "the installed host lists: $listed"

# The IDE runs again: the uninstaller (run in place, so that its status is
# its own) refuses and removes nothing.
ide_starts
exits 2 "the uninstaller ran while bcb.exe ran" run_line "cd /d $folder && Uninstall.exe /S _?=$folder"
[ -f "$installed/vantrel-expert.dll" ] || fail "the uninstaller removed files while bcb.exe ran"
[ -n "$(expert_value Vantrel)" ] || fail "the uninstaller removed the value while bcb.exe ran"
ide_stops

# A silent uninstall, as Add/Remove Programs starts it.
# (An uninstaller started without _?= runs on in a copy of itself after its
# first process exits: wineserver --wait waits for it.)
exits 0 "the uninstaller failed" in_wine "$installed/Uninstall.exe" /S
WINEPREFIX=$prefix wineserver --wait
[ ! -e "$installed" ] || fail "the uninstaller left: $(ls -A "$installed")"
[ -z "$(expert_value Vantrel)" ] || fail "the uninstaller left the expert's value"
[ "$(expert_value Other)" = 'C:\Other\other-expert.dll' ] || fail "the uninstaller changed the other value: '$(expert_value Other)'"
[ -z "$(uninstall_entry)" ] || fail "Add/Remove Programs still lists Vantrel"
finish "installer test"
