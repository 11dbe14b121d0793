#!/usr/bin/env bash
# The Linux command and, under Wine, the Windows one on the same cases: the
# same exit statuses and the same files, byte for byte.
#   compare-with-linux.sh LINUX-VANTREL WINE-RUN WINE-PREFIX VANTREL.EXE
set -uo pipefail
[ $# -eq 4 ] || { echo "usage: $0 LINUX-VANTREL WINE-RUN WINE-PREFIX VANTREL.EXE" >&2; exit 2; }
linux=$1 wine_run=$2 prefix=$3 windows=$4
source "$(dirname "$0")/../lib/common.sh"
make_work compare-with-linux
mkdir -p "$work/linux" "$work/windows"
# Mounts a tmpfs with OPTIONS at CASE of both sides (CASE OPTIONS); needs root.
mount_both() {
  mkdir -p "$work/linux/$1" "$work/windows/$1"
  mount -t tmpfs -o "$2" "vantrel-$1" "$work/linux/$1" 2>/dev/null || return 1
  at_exit "umount '$work/linux/$1'"
  mount -t tmpfs -o "$2" "vantrel-$1" "$work/windows/$1" && at_exit "umount '$work/windows/$1'"
}

# run CASE ARGS...: both commands, "@" standing for each one's directory of
# the case; their statuses must agree.
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

# Refusals: files that exist, a missing location, a bad name or option.
run Demo new Demo --location @
run missing new Demo --location @
run badname new 'Bad-Name' --location @
run badbase new Demo --location @ --view-base CFormView
run nocommand frobnicate

# Under code page 932 "表" is 0x95 0x5C: a location ending in it still gets
# a separator, so the project lands inside it. Wine converts the arguments
# only when the locale exists (scripts/install-deps.sh makes it).
locale -a | grep -qix 'ja_JP.utf8' || fail "the locale ja_JP.UTF-8 is missing (run scripts/install-deps.sh as root)"
mkdir -p "$work/linux/dbcs/表" "$work/windows/dbcs/表"
"$linux" new Demo --location "$work/linux/dbcs/表" > "$work/dbcs.linux.log" 2>&1
LC_ALL=ja_JP.UTF-8 in_wine "$windows" new Demo --location "$(windows_path "$work/windows/dbcs/表")" \
  > "$work/dbcs.windows.log" 2>&1 ||
  { fail "the Windows command fails under code page 932:"; cat "$work/dbcs.windows.log"; }
diff -r "$work/linux/dbcs" "$work/windows/dbcs" || fail "under code page 932 the project does not land inside 表"

# A disk too small for the project: the same status, the file that did not
# fit named with the system's reason, the same files left, none cut short.
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

# A read-only location is one refusal, before anything is written.
if mount_both readonly size=64k,ro; then
  run readonly new Demo --location @
  [ "$(grep -c 'vantrel: Cannot' "$work/readonly.windows.log")" -eq 1 ] ||
    { fail "a read-only location is not one refusal on Windows:"; cat "$work/readonly.windows.log"; }
fi

# A run killed after the k-th placement leaves its journal; the next run
# takes it back, says so, then writes its project, on both systems alike.
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
