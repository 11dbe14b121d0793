#!/usr/bin/env bash
# End-to-end test under a virtual screen: starts vantrel-host on Xvfb and
# drives the wizard with real X input events (xdotool), by mouse and by
# keyboard, three times:
#  1. Demo into "proj": the host stays blocked while the wizard runs; a
#     refused name's message is dismissed with Enter; the directory chooser
#     (its drive list opened and cancelled) opens on top, takes a relative
#     name, is browsed by double clicks and gives the name back; the name
#     is typed with the editing keys; the step 1 radio group is one tab
#     stop; a view base class is picked from the drop-down with the mouse;
#     Finish and OK by mouse and Enter.
#  2. Bad into "bad", where "res" is a file: the error box is dismissed and
#     Finish opens the summary again, on top.
#  3. Demo into "proj" again: the summary asks before replacing files; No
#     keeps everything, Yes writes.
# Clicks go where the dialogs' layout data puts each control
# (vantrel_control_place). Each screenshot is compared, allowing 0.5%
# differing pixels, with tests/window/reference/NAME.png; a missing
# reference fails. Screenshots and differences go to BUILD-DIR/window-test/.
#
# Usage: run-window-test.sh BUILD-DIR
# After a deliberate change of a dialog: UPDATE_REFERENCES=1 run-window-test.sh BUILD-DIR
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
refs="$here/reference"
shots="$build/window-test"
# A fixed location, so that the dialogs show the same paths on every run.
work=/tmp/vantrel-window-test
tolerance=${WINDOW_TEST_TOLERANCE:-0.005}  # Share of pixels allowed to differ.

# One run at a time on this machine: runs from several build trees share
# the fixed location and would clear each other's files. (A private /tmp
# would hide a checkout or build tree that lies below /tmp.)
exec 9>"$work.lock"
flock 9
rm -rf "$shots" "$work"
mkdir -p "$shots" "$work/proj" "$work/bad"
touch "$work/bad/res"  # A file where the pictures' directory would go.
place_tool=("$build/vantrel_control_place")
source "$here/window-session.sh"
start_screen

cd "$work"
setsid "$build/vantrel-host" >"$shots/host.log" 2>&1 </dev/null 9>&- &
host=$!

# Opens the gallery from the host and starts the expert.
start_wizard() {
  x xdotool windowfocus --sync "$main"
  keys ctrl+n
  local gallery
  gallery=$(window "New Items")
  [ "${1:-}" = shot ] && shot "$gallery" gallery
  x xdotool windowfocus --sync "$gallery"
  keys Return
  newdlg=$(window "^New$")
  sleep 0.3
}

# A message box titled TITLE: its screenshot NAME, then Enter, which must
# close it.
answer_with_enter() {
  local box
  box=$(window "$1")
  shot "$box" "$2"
  keys Return
  no_window "$1" "Enter did not close the box $2"
}

# From the gallery to step 1 with the keyboard: NAME in DIR, a directory
# typed into the chooser below the one it starts on.
to_step_one() {
  start_wizard
  keys alt+period
  chooser=$(window "Choose Directory")
  type_text "$2"
  keys Return
  click "$chooser" TDirChooser OKBtn
  keys alt+n
  type_text "$1"
  keys Return Return
  step=$(window "Step 1 of 6")
}

# Waits until the host has recorded COUNT open requests.
opened() {
  for _ in $(seq 80); do
    [ "$(grep -c "vantrel-host: open" "$shots/host.log" || true)" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "the host has no open request number $1"
}

main=$(window "Vantrel host")

# --- Run 1: Demo into proj. ---------------------------------------------
start_wizard shot
shot "$newdlg" new-project-empty
# The host takes no input while the wizard runs: neither its button nor
# its menu opens a second gallery.
eval "$(x xdotool getwindowgeometry --shell "$main")"
x xdotool mousemove $((X + 50)) $((Y + 48)) click 1
keys ctrl+n
no_window "New Items" "the host opened a gallery while the wizard ran"

# A refused name: Enter dismisses the message; "..." still opens the
# chooser, on top.
type_text "My App"
click "$newdlg" TNewDlg OkBtn
answer_with_enter "^Vantrel$" message
click "$newdlg" TNewDlg ProjectDirDialog
chooser=$(window "Choose Directory")
# The drive list, opened and cancelled, leaves the next chooser on top.
drop_down "$chooser" TDirChooser DriveComboBox
keys Escape
click "$chooser" TDirChooser CancelBtn
click "$newdlg" TNewDlg ProjectDirDialog
chooser=$(window "Choose Directory")
# The name starts selected: "proj" replaces it and is read below the
# directory the list shows.
type_text proj
keys Return
shot "$chooser" chooser
# Browsing with the mouse: a double click on the parent's row (the third;
# rows are 15 pixels high) lists its subdirectories "bad" and "proj", and a
# double click on "proj" (now the fifth row) opens it again.
double_click "$chooser" TDirChooser DirectoryListBox 40 $((10 + 2 * 15))
shot "$chooser" chooser-browsed
double_click "$chooser" TDirChooser DirectoryListBox 40 $((10 + 4 * 15))
click "$chooser" TDirChooser OKBtn

# The name, typed with the editing keys: Home, Right, Delete, End, BackSpace.
keys alt+n
type_text Dxemo1
keys Home Right Delete End BackSpace
shot "$newdlg" new-project
keys Return Return   # The focus moves to OK, which Enter presses.

step=$(window "Step 1 of 6")
# The radio group is one tab stop: Tab reaches the checked button, Up
# checks "Single document", and two more Tabs come back to Next.
keys Tab Up
shot "$step" step1
keys Tab Tab Return
step=$(window "Step 2 of 6")
for _ in 1 2 3; do keys alt+n; done
click "$step" TVantrel NextBtn
step=$(window "Step 6 of 6")
# The view class, the fourth row of the class list.
click "$step" TVantrel ClassList 60 58
# The base class box's list, opened with the mouse; its third entry.
drop_down "$step" TVantrel BaseClass
x xdotool mousemove $((X + 20)) $((Y + 3 + (HEIGHT - 6) * 5 / 12)) click 1
sleep 0.3
shot "$step" step6
click "$step" TVantrel FinishBtn
summary=$(window "New Project Information")
shot "$summary" summary
keys Return
opened 1
sleep 0.5
shot "$main" host-with-project

# The files written, as the command lists them.
expected=$("$build/vantrel" new Demo --list-files) || fail "vantrel cannot list the files"
for file in $expected; do [ -s "$work/proj/$file" ] || fail "missing proj/$file"; done
grep -q "class CDemoView : public CListView" "$work/proj/DemoView.h" || fail "the view does not derive from CListView"

# --- Run 2: Bad into bad, refused before writing: "res" is a file. -------
to_step_one Bad bad
for _ in 1 2 3 4 5; do keys alt+n; done
click "$step" TVantrel FinishBtn
summary=$(window "New Project Information")
click "$summary" TNewProInfo OkBtn
answer_with_enter "^Vantrel$" error
click "$step" TVantrel FinishBtn
summary=$(window "New Project Information")
click "$summary" TNewProInfo CancelBtn
no_window "New Project Information" "the second summary did not take the click"
click "$step" TVantrel CancelBtn
[ -e "$work/bad/Bad.bpr" ] && fail "the refused run wrote files"

# --- Run 3: Demo into proj again: replacing is confirmed. ------------------
echo "// kept" >> "$work/proj/stdafx.h"
to_step_one Demo proj
for _ in 1 2 3 4 5; do keys alt+n; done
keys alt+f
summary=$(window "New Project Information")
keys Return
confirm=$(window "^Confirm$")
shot "$confirm" confirm
keys Tab Return   # No.
no_window "^Confirm$" "No did not close the question"
grep -q "// kept" "$work/proj/stdafx.h" || fail "No replaced the files"
keys Return       # OK in the summary again, then Yes.
window "^Confirm$" >/dev/null
keys Return
opened 2
grep -q "// kept" "$work/proj/stdafx.h" && fail "Yes did not replace the files"

# The host's record: close, then open the makefile, once per completed run.
requests=$(grep -E "^vantrel-host: (close project|open )" "$shots/host.log" || true)
want="vantrel-host: close project
vantrel-host: open $work/proj/Demo.bpr
vantrel-host: close project
vantrel-host: open $work/proj/Demo.bpr"
[ "$requests" = "$want" ] || fail "host record was: $requests"

if [ "$failures" -ne 0 ]; then
  echo "window test: $failures failure(s); screenshots in $shots" >&2
  exit 1
fi
echo "window test: passed; screenshots in $shots"
