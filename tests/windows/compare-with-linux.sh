#!/usr/bin/env bash
# Runs the Linux command and, under Wine, the Windows one on the same cases:
# both must end with the same exit status, and the projects they write must
# be the same files, byte for byte.
#   compare-with-linux.sh LINUX-VANTREL WINE-RUN WINE-PREFIX VANTREL.EXE
set -uo pipefail
[ $# -eq 4 ] || { echo "usage: $0 LINUX-VANTREL WINE-RUN WINE-PREFIX VANTREL.EXE" >&2; exit 2; }
linux=$1 wine_run=$2 prefix=$3 windows=$4
source "$(dirname "$0")/../lib/common.sh"
make_work compare-with-linux
mkdir -p "$work/linux" "$work/windows"
# Mounts a tmpfs with OPTIONS at CASE of both sides (CASE OPTIONS), unless
# that of the Linux side fails: mounting needs root.
mount_both() {
  mkdir -p "$work/linux/$1" "$work/windows/$1"
  mount -t tmpfs -o "$2" "vantrel-$1" "$work/linux/$1" 2>/dev/null || return 1
  at_exit "umount '$work/linux/$1'"
  mount -t tmpfs -o "$2" "vantrel-$1" "$work/windows/$1" && at_exit "umount '$work/windows/$1'"
  return 0
}

# run CASE ARGS...: runs both commands, each in its own directory for the
# case, which every "@" in the arguments stands for, and compares their
# statuses.
run() {
  local case=$1 dir linux_status windows_status
  shift
  dir=$(windows_path "$work/windows/$case")
  "$linux" "${@//@/"$work/linux/$case"}" > "$work/$case.linux.log" 2>&1
  linux_status=$?
  in_wine "$windows" "${@//@/"$dir"}" > "$work/$case.windows.log" 2>&1
  windows_status=$?
  [ "$linux_status" -eq "$windows_status" ] ||
    { fail "$case: vantrel $* exits with $linux_status on Linux, $windows_status on Windows"; cat "$work/$case.windows.log"; }
}

# One project per view base class, then the same one again over itself.
for project in Demo:CView Notes:CEditView lister:CListView Rich_1:CRichEditView \
               Scroller:CScrollView tree2:CTreeView; do
  name=${project%%:*} base=${project#*:}
  mkdir -p "$work/linux/$name" "$work/windows/$name"
  run "$name" new "$name" --location @ --view-base "$base"
  run "$name" new "$name" --location @ --view-base "$base" --force
done
diff -r "$work/linux" "$work/windows" > "$work/diff.log" ||
  { fail "the Windows command writes other files than the Linux one:"; head -20 "$work/diff.log"; }
[ "$(find "$work/windows" -type f | wc -l)" -eq $((6 * 23)) ] || fail "not 6 projects of 23 files"

# Refusals: files exist already; a location that is not a directory; names
# and options the command does not take.
run Demo new Demo --location @
run missing new Demo --location @
run badname new 'Bad-Name' --location @
run badbase new Demo --location @ --view-base CFormView
run nocommand frobnicate

# A location whose last character is double-byte with a backslash (0x5C) as
# its second byte, under the Japanese code page (932), where "表" is 0x95
# 0x5C: the command must take the character whole and add a separator, so
# the project lands inside that directory. Wine takes the code page from the
# locale, and converts the arguments with it only when the locale exists
# (scripts/install-deps.sh makes it).
locale -a | grep -qix 'ja_JP.utf8' || fail "the locale ja_JP.UTF-8 is missing (run scripts/install-deps.sh as root)"
mkdir -p "$work/linux/dbcs/表" "$work/windows/dbcs/表"
"$linux" new Demo --location "$work/linux/dbcs/表" > "$work/dbcs.linux.log" 2>&1
LC_ALL=ja_JP.UTF-8 in_wine "$windows" new Demo --location "$(windows_path "$work/windows/dbcs/表")" \
  > "$work/dbcs.windows.log" 2>&1 ||
  { fail "the Windows command fails under code page 932:"; cat "$work/dbcs.windows.log"; }
diff -r "$work/linux/dbcs" "$work/windows/dbcs" || fail "under code page 932 the project does not land inside 表"

# A disk that fills up during the run: each command gets a file system of
# its own, too small for the project. Both must fail with the same status,
# name the first file that did not fit with the system's reason, and leave
# the same whole files behind (a file that did not fit is not there at
# all). Mounting needs root; elsewhere the case is left out, and says so.
if mount_both full size=40k; then
  run full new Demo --location @
  grep -q "resource.h: No space left on device" "$work/full.linux.log" ||
    fail "the Linux command does not name the file that did not fit"
  # Wine words the system's reason as "Disk full", Windows more fully.
  grep -Eq "resource.h: (Disk full|There is not enough space on the disk)" "$work/full.windows.log" ||
    { fail "the Windows command does not name the file that did not fit:"; cat "$work/full.windows.log"; }
  diff -r "$work/linux/full" "$work/windows/full" || fail "the two commands leave different files on a full disk"
  (cd "$work/windows/full" && find . -type f) | while read -r file; do
    cmp -s "$work/windows/full/$file" "$work/windows/Demo/$file" ||
      echo "FAIL: $file is left cut short on a full disk"
  done | grep FAIL && failures=$((failures + 1))
else
  echo "note: the full-disk case needs root (to mount a small file system); left out"
fi

# A location is what the system makes of it: "Z:" is the current directory
# of drive Z: (Wine's current directory is the one the command starts in).
# The dry run plans, and the run writes and reports, the files in that
# directory.
mkdir -p "$work/windows/here" "$work/linux/here"
"$linux" new Demo --location "$work/linux/here" > /dev/null 2>&1
(cd "$work/windows/here" && in_wine "$windows" new Demo --location Z: --dry-run) > "$work/here.dry.log" 2>&1
grep -qF "created     $(windows_path "$work/windows/here")\Demo.bpr" "$work/here.dry.log" ||
  { fail "--dry-run --location Z: does not plan the files in the current directory:"; head -12 "$work/here.dry.log"; }
(cd "$work/windows/here" && in_wine "$windows" new Demo --location Z:) > "$work/here.windows.log" 2>&1 ||
  { fail "--location Z: fails:"; cat "$work/here.windows.log"; }
grep -qF "created     $(windows_path "$work/windows/here")\res\Demo.ico" "$work/here.windows.log" ||
  fail "the report does not name the resolved location"
diff -r "$work/linux/here" "$work/windows/here" > /dev/null ||
  fail "--location Z: does not write the project into the current directory"

# A location nothing can be written into (a read-only file system here) is
# one refusal, before anything is written, not one per file. Mounting needs
# root.
if mount_both readonly size=64k,ro; then
  run readonly new Demo --location @
  [ "$(grep -c 'vantrel: Cannot' "$work/readonly.windows.log")" -eq 1 ] ||
    { fail "a read-only location is not one refusal on Windows:"; cat "$work/readonly.windows.log"; }
else
  echo "note: the read-only location needs root (to mount a file system); left out"
fi

# A run killed while it puts files in place (after the k-th placement)
# leaves its journal; the next run takes it back, says so, and then writes
# its own project whole, on both systems alike.
for placed in 1 12 23; do
  case=killed$placed
  mkdir -p "$work/linux/$case" "$work/windows/$case"
  run "$case" new One --location @ --view-base CTreeView
  VANTREL_TEST_INTERRUPT=9:$((23 + placed)) run "$case" new Two --location @ --force
  [ -f "$work/windows/$case/.vantrel-journal" ] || fail "$case: the killed Windows run leaves no journal"
  run "$case" new Two --location @ --force
  grep -q "an interrupted run of project Two left its journal" "$work/$case.windows.log" ||
    { fail "$case: the Windows run does not take the killed run back:"; cat "$work/$case.windows.log"; }
  diff -r "$work/linux/$case" "$work/windows/$case" > /dev/null || fail "$case: the two systems end with other files"
done
finish "the Windows command against the Linux one"
