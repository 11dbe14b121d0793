#!/usr/bin/env bash
# The wizard end to end in real windows, driven with xdotool through three
# runs (docs/testing.md):
#   run-window-test.sh BUILD-DIR      the FLTK dialogs;
#   run-window-test.sh BUILD-DIR WINE-RUN WINE-PREFIX LINUX-VANTREL   under Wine.
# Screenshots go to BUILD-DIR/window-test/ (wizard-window-test/), compared
# with the references; UPDATE_REFERENCES=1 rewrites those.
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
wine_run=${2:-}
if [ -z "$wine_run" ]; then
  refs=$here/reference refs_prefix= shots=$build/window-test
  # A fixed location, so that the dialogs show the same paths on every run.
  work=/tmp/vantrel-window-test
  makefile=$work/proj/Demo.bpr proj_typed=proj vantrel=$build/vantrel
  row=15  # The height of a list's row in FLTK's browsers.
  place_tool=("$build/vantrel_control_place")
  host_command=("$build/vantrel-host")
  main_title="Vantrel host"
else
  prefix=$3 vantrel=$4
  refs=$here/../windows/reference refs_prefix=wine- shots=$build/wizard-window-test
  # Short, to fit Wine's message boxes; run 3 types a lower-case drive.
  work=/tmp/vw
  makefile='Z:\tmp\vw\proj\Demo.bpr' proj_typed='z:\tmp\vw\proj'
  row=16  # The height of a list's row in the Windows dialogs.
  place_tool=("$wine_run" "$prefix" "$build/vantrel_control_place.exe")
  host_command=("$wine_run" "$prefix" "$build/vantrel-host.exe" --gallery)
  main_title="Vantrel host - stand-in IDE"
fi

# One run at a time on this machine: they share the fixed location.
exec 9>"$work.lock"
flock 9
rm -rf "$shots" "$work"
mkdir -p "$shots" "$work/proj" "$work/bad"
touch "$work/bad/res"  # A file where the pictures' directory would go.
source "$here/window-session.sh"
start_screen
if [ -n "$wine_run" ]; then
  # A window manager decides where the activation goes when a dialog closes.
  need openbox
  openbox --sm-disable >"$shots/openbox.log" 2>&1 9>&- &
  at_exit "kill $! 2>/dev/null || true"
fi
cd "$work"
start_host "${host_command[@]}"

# Opens the gallery and starts the expert; "first" takes the gallery's
# screenshot (the Windows host opens the gallery itself at the start).
start_wizard() {
  local first=${1:-} gallery
  if [ -z "$wine_run" ]; then
    x xdotool windowfocus --sync "$main"
    keys ctrl+n
    gallery=$(window "New Items")
  else
    [ -n "$first" ] || { click_at "$main" 400 40; keys ctrl+n; }
    gallery=$(WINDOW_WAIT=${first:+600} window "New Items")
    # The expert's icon in the gallery's list view.
    click_at "$gallery" 54 62
  fi
  [ -n "$first" ] && shot "$gallery" "${refs_prefix}gallery"
  [ -n "$wine_run" ] || x xdotool windowfocus --sync "$gallery"
  keys Return
  [ -z "$wine_run" ] || closed "$gallery" "OK left the gallery open"
  newdlg=$(window "^New$")
  sleep 0.3
}

# The middle of row INDEX of a list, from the top of its window.
row_at() { echo $((2 + $1 * row + row / 2)); }

# A message box titled TITLE: its screenshot NAME, then Enter closes it.
answer_with_enter() {
  local box
  box=$(window "$1")
  shot "$box" "$refs_prefix$2"
  keys Return
  closed "$box" "Enter did not close the box $2"
}

# From the gallery to step 1 with the keyboard: NAME in DIR, typed into
# the chooser.
to_step_one() {
  start_wizard
  keys alt+period
  chooser=$(window "Choose Directory")
  type_text "$2"
  keys Return
  click "$chooser" TDirChooser OKBtn
  closed "$chooser" "OK left the chooser open"
  keys alt+n
  type_text "$1"
  keys Return Return
  closed "$newdlg" "OK left the New dialog open"
  step=$(window "Step 1 of 6")
}

# Waits until the host has recorded COUNT open requests.
opened() { retry 80 opens "$1" || fail "the host has no open request number $1"; }
opens() { [ "$(grep -c "vantrel-host: open" "$shots/host.log")" -ge "$1" ]; }

# The project in proj is byte for byte what the command writes.
same_files() {
  local expected="$shots/expected-$1" file
  mkdir -p "$expected"
  "$vantrel" new Demo --location "$expected" --view-base "$1" >/dev/null || fail "vantrel cannot write the project"
  for file in $("$vantrel" new Demo --list-files); do
    cmp -s "$expected/$file" "$work/proj/$file" || fail "proj/$file is not what vantrel writes ($1)"
  done
}

main=$(WINDOW_WAIT=600 window "$main_title")

# --- Run 1: Demo into proj. -------------------------------------------
start_wizard first
shot "$newdlg" "${refs_prefix}new-project-empty"
# The host takes no input while the wizard runs.
click_at "$main" 50 48
keys ctrl+n
no_window "New Items" "the host opened a gallery while the wizard ran"

# A click on another tab changes nothing.
click "$newdlg" TNewDlg PageControl 30 10
# A refused name: Enter dismisses the message; "..." opens the chooser.
type_text "My App"
click "$newdlg" TNewDlg OkBtn
answer_with_enter "^Vantrel$" message
click "$newdlg" TNewDlg ProjectDirDialog
chooser=$(window "Choose Directory")
# The drive list, opened and cancelled, leaves the next chooser on top.
drop_down "$chooser" TDirChooser DriveComboBox
keys Escape
# The message about a long missing location stays within the screen.
click "$chooser" TDirChooser DirName
x xdotool type --delay 8 "$(printf '/a-rather-long-folder-name-%02d' $(seq 1 9))"
keys Return
long=$(window "^Confirm$")
fits_screen "$long" "the message about a long location is wider than the screen"
shot "$long" "${refs_prefix}long-location"
keys Return
closed "$long" "Enter did not close the message about a long location"
click "$chooser" TDirChooser CancelBtn
closed "$chooser" "Cancel left the chooser open"
click "$newdlg" TNewDlg ProjectDirDialog
chooser=$(window "Choose Directory")
# The name starts selected: "proj" replaces it.
type_text proj
keys Return
shot "$chooser" "${refs_prefix}chooser"
# Double clicks on the parent's row (the third), then on "proj" (the fifth).
double_click "$chooser" TDirChooser DirectoryListBox 40 "$(row_at 2)"
shot "$chooser" "${refs_prefix}chooser-browsed"
double_click "$chooser" TDirChooser DirectoryListBox 40 "$(row_at 4)"
click "$chooser" TDirChooser OKBtn
closed "$chooser" "OK left the chooser open"

# The name, typed with the editing keys: Home, Right, Delete, End, BackSpace.
keys alt+n
type_text Dxemo1
keys Home Right Delete End BackSpace
shot "$newdlg" "${refs_prefix}new-project"
keys Return Return   # The focus moves to OK, which Enter presses.
closed "$newdlg" "OK left the New dialog open"
step=$(window "Step 1 of 6")
# The radio group is one tab stop: Tab, Up checks "Single document".
keys Tab Up
shot "$step" "${refs_prefix}step1"
keys Tab Tab Return
step=$(window "Step 2 of 6")
for _ in 1 2 3; do keys alt+n; done
click "$step" TVantrel NextBtn
step=$(window "Step 6 of 6")
# The view class, the fourth row of the class list.
click "$step" TVantrel ClassList 60 "$(row_at 3)"
# The base class box's list, opened with the mouse; its third entry.
drop_down "$step" TVantrel BaseClass
click_at "$WINDOW" 20 $((3 + (HEIGHT - 6) * 5 / 12))
shot "$step" "${refs_prefix}step6"
# Its text takes no edit: the picked class stays (the files say so).
click "$step" TVantrel BaseClass 30
keys Delete BackSpace shift+Delete ctrl+x ctrl+v BackSpace
# The second click of a double click on Finish, or on the summary's
# Cancel, presses nothing in the dialog beneath.
for delay in 150 300; do
  double_click "$step" TVantrel FinishBtn "" "" "$delay"
  summary=$(window "New Project Information")
  sleep 0.3
  still_open "$summary" "the second click of a double click on Finish ($delay ms) closed the summary"
  [ -e "$work/proj/Demo.bpr" ] && fail "a double click on Finish ($delay ms) wrote the project"
  double_click "$summary" TNewProInfo CancelBtn "" "" "$delay"
  closed "$summary" "a double click on the summary's Cancel left it open"
  still_open "$step" "a double click on the summary's Cancel ($delay ms) closed the wizard"
done
click "$step" TVantrel FinishBtn
summary=$(window "New Project Information")
shot "$summary" "${refs_prefix}summary"
keys Return
closed "$summary" "OK left the summary open"
opened 1
closed "$step" "the wizard stayed open after writing the project"
shot "$main" "${refs_prefix}host-with-project"
same_files CListView

# --- Run 2: Bad into bad, refused before writing: "res" is a file. -----
to_step_one Bad bad
for _ in 1 2 3 4 5; do keys alt+n; done
click "$step" TVantrel FinishBtn
summary=$(window "New Project Information")
click "$summary" TNewProInfo OkBtn
closed "$summary" "OK left the summary open"
answer_with_enter "^Vantrel$" error
click "$step" TVantrel FinishBtn
summary=$(window "New Project Information")
click "$summary" TNewProInfo CancelBtn
closed "$summary" "the second summary did not take the click"
click "$step" TVantrel CancelBtn
closed "$step" "Cancel left the wizard open"
[ -e "$work/bad/Bad.bpr" ] && fail "the refused run wrote files"

# --- Run 3: Demo into proj again: replacing is confirmed. --------------
echo "// kept" >> "$work/proj/stdafx.h"
to_step_one Demo "$proj_typed"
for _ in 1 2 3 4 5; do keys alt+n; done
keys alt+f
summary=$(window "New Project Information")
keys Return
confirm=$(window "^Confirm$")
shot "$confirm" "${refs_prefix}confirm"
# Escape, and Enter on the default button, answer No.
for answer in Escape Return; do
  keys "$answer"
  closed "$confirm" "$answer did not close the question"
  grep -q "// kept" "$work/proj/stdafx.h" || fail "$answer in the question replaced the files"
  still_open "$summary" "$answer in the question closed the summary"
  keys Return     # OK in the summary again.
  confirm=$(window "^Confirm$")
done
keys Tab Return   # Yes.
closed "$confirm" "Yes did not close the question"
opened 2
same_files CView
if [ -n "$wine_run" ]; then
  # The Windows host has the keyboard back at once.
  gone "New Project Information" "the summary stayed after the run"
  keys ctrl+n
  gallery=$(window "New Items")
  keys Escape
  closed "$gallery" "Escape left the gallery open"
fi

# The host's record: close, then open the makefile, once per completed run.
requests=$(tr -d '\r' <"$shots/host.log" | grep -E "^vantrel-host: (close project|open )" || true)
want="vantrel-host: close project
vantrel-host: open $makefile
vantrel-host: close project
vantrel-host: open $makefile"
[ "$requests" = "$want" ] || fail "host record was: $requests"

finish "window test" "screenshots in $shots"
