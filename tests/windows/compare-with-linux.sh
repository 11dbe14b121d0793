#!/usr/bin/env bash
# Runs the Linux command and, under Wine, the Windows one on the same cases:
# both must end with the same exit status, and the projects they write must
# be the same files, byte for byte.
#
#   compare-with-linux.sh LINUX-VANTREL WINE-RUN WINE-PREFIX VANTREL.EXE
set -uo pipefail
[ $# -eq 4 ] || { echo "usage: $0 LINUX-VANTREL WINE-RUN WINE-PREFIX VANTREL.EXE" >&2; exit 2; }
linux=$1 wine_run=$2 prefix=$3 windows=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/compare-with-linux.XXXXXX")
mounted=()
cleanup() {
  for directory in "${mounted[@]}"; do umount "$directory"; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/linux" "$work/windows"
failures=0

# The Windows form of a directory of this machine: Wine shows / as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# run CASE ARGS...: runs both commands in their own directory, with every
# "@" in the arguments standing for that directory, and compares statuses.
run() {
  local case=$1
  shift
  local linux_args=("${@//@/$work/linux/$case}") windows_args=()
  for arg in "$@"; do windows_args+=("${arg//@/$(windows_path "$work/windows/$case")}"); done
  "$linux" "${linux_args[@]}" > "$work/$case.linux.log" 2>&1
  local linux_status=$?
  "$wine_run" "$prefix" "$windows" "${windows_args[@]}" > "$work/$case.windows.log" 2>&1
  local windows_status=$?
  if [ "$linux_status" -ne "$windows_status" ]; then
    echo "FAIL: $case: vantrel $* exits with $linux_status on Linux, $windows_status on Windows"
    cat "$work/$case.windows.log"
    failures=$((failures + 1))
  fi
}

# One project per view base class, then the same one again over itself.
for project in Demo:CView Notes:CEditView lister:CListView Rich_1:CRichEditView \
               Scroller:CScrollView tree2:CTreeView; do
  name=${project%%:*} base=${project#*:}
  mkdir -p "$work/linux/$name" "$work/windows/$name"
  run "$name" new "$name" --location @ --view-base "$base"
  run "$name" new "$name" --location @ --view-base "$base" --force
done
if ! diff -r "$work/linux" "$work/windows" > "$work/diff.log"; then
  echo "FAIL: the Windows command writes other files than the Linux one:"
  head -20 "$work/diff.log"
  failures=$((failures + 1))
fi
[ "$(find "$work/windows" -type f | wc -l)" -eq $((6 * 23)) ] ||
  { echo "FAIL: not 6 projects of 23 files"; failures=$((failures + 1)); }

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
locale -a | grep -qix 'ja_JP.utf8' ||
  { echo "FAIL: the locale ja_JP.UTF-8 is missing (run scripts/install-deps.sh as root)"; failures=$((failures + 1)); }
mkdir -p "$work/linux/dbcs/表" "$work/windows/dbcs/表"
"$linux" new Demo --location "$work/linux/dbcs/表" > "$work/dbcs.linux.log" 2>&1
LC_ALL=ja_JP.UTF-8 "$wine_run" "$prefix" "$windows" new Demo --location "$(windows_path "$work/windows/dbcs/表")" \
  > "$work/dbcs.windows.log" 2>&1 ||
  { echo "FAIL: the Windows command fails under code page 932:"; cat "$work/dbcs.windows.log"; failures=$((failures + 1)); }
diff -r "$work/linux/dbcs" "$work/windows/dbcs" ||
  { echo "FAIL: under code page 932 the project does not land inside 表"; failures=$((failures + 1)); }

# A disk that fills up during the run: each command gets a file system of
# its own, too small for the project. Both must fail with the same status,
# name the first file that did not fit with the system's reason, and leave
# the same whole files behind (a file that did not fit is not there at
# all). Mounting needs root; elsewhere the case is left out, and says so.
mkdir -p "$work/linux/full" "$work/windows/full"
if mount -t tmpfs -o size=40k vantrel-full "$work/linux/full" 2>/dev/null; then
  mounted+=("$work/linux/full")
  mount -t tmpfs -o size=40k vantrel-full "$work/windows/full" && mounted+=("$work/windows/full")
  run full new Demo --location @
  grep -q "resource.h: No space left on device" "$work/full.linux.log" ||
    { echo "FAIL: the Linux command does not name the file that did not fit"; failures=$((failures + 1)); }
  # Wine words the system's reason as "Disk full", Windows more fully.
  grep -Eq "resource.h: (Disk full|There is not enough space on the disk)" "$work/full.windows.log" ||
    { echo "FAIL: the Windows command does not name the file that did not fit:"; cat "$work/full.windows.log"
      failures=$((failures + 1)); }
  diff -r "$work/linux/full" "$work/windows/full" ||
    { echo "FAIL: the two commands leave different files on a full disk"; failures=$((failures + 1)); }
  (cd "$work/windows/full" && find . -type f) | while read -r file; do
    cmp -s "$work/windows/full/$file" "$work/windows/Demo/$file" ||
      echo "FAIL: $file is left cut short on a full disk"
  done | grep FAIL && failures=$((failures + 1))
else
  echo "note: the full-disk case needs root (to mount a small file system); left out"
fi

[ $failures -eq 0 ] && echo "the Windows command writes what the Linux one writes"
exit $((failures > 0))
