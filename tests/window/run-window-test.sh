#!/usr/bin/env bash
# End-to-end test under a virtual screen: starts vantrel-host on Xvfb and,
# with real X input events, picks the expert in the gallery, types a name,
# opens and cancels the directory chooser, walks Next five times, picks a
# view base class, presses Finish and OK.
# Then checks the files written and the host's record of the close and open
# requests, and compares a screenshot of each dialog with its reference.
#
# Usage: run-window-test.sh BUILD-DIR
# Screenshots go to BUILD-DIR/window-test/; UPDATE_REFERENCES=1 copies them
# over the references in tests/window/reference/.
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
refs="$here/reference"
shots="$build/window-test"
# A fixed location, so that the dialogs show the same path on every run.
work=/tmp/vantrel-window-test
tolerance=${WINDOW_TEST_TOLERANCE:-0.005}  # Share of pixels allowed to differ.

for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "window test: $tool missing; skipped"; exit 77; }
done

rm -rf "$shots" "$work"
mkdir -p "$shots" "$work"
failures=0
fail() { echo "window test: FAILED: $*" >&2; failures=$((failures + 1)); }

exec 3> "$shots/xvfb.display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$shots/xvfb.log" 2>&1 &
xvfb=$!
host=
cleanup() {
  [ -n "$host" ] && kill "$host" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$shots/xvfb.display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$shots/xvfb.display")"

cd "$work"
setsid "$build/vantrel-host" >"$shots/host.log" 2>&1 </dev/null &
host=$!

# Runs an X client, again when the server refused the connection.
x() {
  for _ in 1 2 3 4 5 6 7 8; do
    "$@" 2>>"$shots/x-clients.log" && return 0
    sleep 0.2
  done
  echo "window test: '$*' failed" >&2
  return 1
}

# Waits for a window whose name matches, and prints its id.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>>"$shots/x-clients.log" | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "window test: no window '$1'" >&2
  return 1
}

# Saves a screenshot of a window and compares it with its reference.
shot() {
  local id=$1 name=$2
  sleep 0.4
  x import -window "$id" "$shots/$name.png"
  if [ "${UPDATE_REFERENCES:-0}" = 1 ] || [ ! -f "$refs/$name.png" ]; then
    cp "$shots/$name.png" "$refs/$name.png"
    echo "window test: reference $name.png written"
    return
  fi
  local differing total
  differing=$(compare -metric AE -fuzz 8% "$refs/$name.png" "$shots/$name.png" "$shots/$name-diff.png" 2>&1 || true)
  total=$(identify -format '%[fx:w*h]' "$refs/$name.png")
  if ! awk -v d="$differing" -v t="$total" -v tol="$tolerance" 'BEGIN { exit !(d ~ /^[0-9.e+]+$/ && d <= t * tol) }'; then
    fail "$name.png differs from its reference ($differing of $total pixels)"
  fi
}

main=$(window "Vantrel host")
x xdotool windowfocus --sync "$main"
x xdotool key ctrl+n
gallery=$(window "New Items")
shot "$gallery" gallery
x xdotool windowfocus --sync "$gallery"
x xdotool key Return

newdlg=$(window "^New$")
# The dialog may be mapped before it takes keys: give it the focus and a
# moment, or the first typed letter can be lost.
x xdotool windowfocus --sync "$newdlg"
sleep 0.5
x xdotool type --delay 30 Demo
shot "$newdlg" new-project
# The directory chooser, opened with the access key of its "..." button and
# closed with Cancel, which leaves the location as it was.
x xdotool key alt+period
chooser=$(window "Choose Directory")
shot "$chooser" chooser
eval "$(x xdotool getwindowgeometry --shell "$chooser")"
x xdotool mousemove $((X + 370)) $((Y + 60)) click 1
sleep 0.3
x xdotool windowfocus --sync "$newdlg"
x xdotool key alt+n    # Back to the name, through its label's access key.
x xdotool key Return   # Focus moves to OK...
x xdotool key Return   # ...which Enter presses.

step1=$(window "Step 1 of 6")
shot "$step1" step1
for _ in 1 2 3 4 5; do x xdotool key alt+n; sleep 0.2; done
step6=$(window "Step 6 of 6")
eval "$(x xdotool getwindowgeometry --shell "$step6")"
# The fourth entry of the class list, the view class.
x xdotool mousemove $((X + 260)) $((Y + 106)) click 1
sleep 0.2
x xdotool key Tab Tab Down Down   # To the base class box; CView, CEditView, CListView.
shot "$step6" step6
x xdotool key alt+f
summary=$(window "New Project Information")
shot "$summary" summary
x xdotool key Return

for _ in $(seq 50); do grep -q "vantrel-host: open" "$shots/host.log" && break; sleep 0.1; done
sleep 0.5
x import -window "$main" "$shots/host-with-project.png"

# The files written.
expected=$("$build/vantrel" new Demo --list-files) || fail "vantrel cannot list the files"
for file in $expected; do [ -s "$work/$file" ] || fail "missing $file"; done
grep -q "class CDemoView : public CListView" "$work/DemoView.h" || fail "the view does not derive from CListView"

# The host's record: close, then open the makefile, each once.
requests=$(grep -E "^vantrel-host: (close project|open )" "$shots/host.log" || true)
want="vantrel-host: close project
vantrel-host: open $work/Demo.bpr"
[ "$requests" = "$want" ] || fail "host record was: $requests"

if [ "$failures" -ne 0 ]; then
  echo "window test: $failures failure(s); screenshots in $shots" >&2
  exit 1
fi
echo "window test: passed; screenshots in $shots"
