#!/usr/bin/env bash
# End-to-end test under a virtual screen: starts vantrel-host on Xvfb and
# drives the wizard with real X input events (xdotool), by mouse and by
# keyboard, through the three runs of wizard-runs.sh. Clicks go where the
# dialogs' layout data puts each control (vantrel_control_place). Each
# screenshot is compared, allowing 0.5% differing pixels, with
# tests/window/reference/NAME.png; a missing reference fails. Screenshots
# and differences go to BUILD-DIR/window-test/.
#
# Usage: run-window-test.sh BUILD-DIR
# After a deliberate change of a dialog: UPDATE_REFERENCES=1 run-window-test.sh BUILD-DIR
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
refs="$here/reference"
refs_prefix=
shots="$build/window-test"
# A fixed location, so that the dialogs show the same paths on every run.
work=/tmp/vantrel-window-test
makefile=$work/proj/Demo.bpr
vantrel=$build/vantrel
tolerance=${WINDOW_TEST_TOLERANCE:-0.005}  # Share of pixels allowed to differ.
row=15  # The height of a list's row in FLTK's browsers.

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
source "$here/wizard-runs.sh"
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
first_wizard() { start_wizard shot; }

main=$(window "Vantrel host")
run_wizard_three_times

if [ "$failures" -ne 0 ]; then
  echo "window test: $failures failure(s); screenshots in $shots" >&2
  exit 1
fi
echo "window test: passed; screenshots in $shots"
