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
trap 'rm -rf "$work"' EXIT
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

[ $failures -eq 0 ] && echo "the Windows command writes what the Linux one writes"
exit $((failures > 0))
