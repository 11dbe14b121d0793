#!/usr/bin/env bash
# End-to-end test of the Windows library's dialogs: vantrel-host.exe runs
# under Wine on a virtual screen (vantrel-host.exe --gallery) and the wizard
# is driven with real X input events (xdotool), by mouse and by keyboard,
# through the three runs of tests/window/wizard-runs.sh, as the Linux window
# test drives it. Clicks go where the dialogs' layout data puts each
# control (vantrel_control_place.exe). The files written are read through
# Wine's drive Z: (the Linux root) and compared byte for byte with what the
# Linux command writes. Each screenshot is compared, allowing 0.5% differing
# pixels, with tests/windows/reference/wine-NAME.png; a missing reference
# fails. Screenshots and differences go to BUILD-DIR/wizard-window-test/.
#
# Usage: run-wizard-window-test.sh BUILD-DIR WINE-RUN WINE-PREFIX LINUX-VANTREL
# After a deliberate change of a dialog:
#   UPDATE_REFERENCES=1 run-wizard-window-test.sh ...
set -euo pipefail

build=$(cd "$1" && pwd)
wine_run=$2
prefix=$3
vantrel=$4
here=$(cd "$(dirname "$0")" && pwd)
refs="$here/reference"
refs_prefix=wine-
shots="$build/wizard-window-test"
# A fixed location, so that the dialogs show the same paths on every run;
# short, so that the messages naming it fit Wine's message boxes.
work=/tmp/vw
makefile='Z:\tmp\vw\proj\Demo.bpr'
tolerance=${WINDOW_TEST_TOLERANCE:-0.005}
row=16  # The height of a list's row in the Windows dialogs.
# Run 3 types its location with a lower-case drive letter.
proj_typed='z:\tmp\vw\proj'
# The host takes Ctrl+N right after a successful run.
host_keys_after_run=1

# One run at a time on this machine: runs from several build trees share
# the fixed location.
exec 9>"$work.lock"
flock 9
rm -rf "$shots" "$work"
mkdir -p "$shots" "$work/proj" "$work/bad"
touch "$work/bad/res"  # A file where the pictures' directory would go.
place_tool=("$wine_run" "$prefix" "$build/vantrel_control_place.exe")
source "$here/../window/window-session.sh"
source "$here/../window/wizard-runs.sh"
start_screen
# A window manager, as on a desktop: it decides where the activation goes
# when a dialog closes (openbox, from Debian).
command -v openbox >/dev/null || { echo "wizard window test: openbox missing; skipped"; exit 77; }
openbox --sm-disable >"$shots/openbox.log" 2>&1 9>&- &
window_manager=$!
trap 'kill "$window_manager" 2>/dev/null || true; cleanup' EXIT

cd "$work"
setsid "$wine_run" "$prefix" "$build/vantrel-host.exe" --gallery >"$shots/host.log" 2>&1 </dev/null 9>&- &
host=$!

# Picks the expert in the gallery (WAIT tenths of a second for it), with
# its screenshot when asked, and waits for the New dialog.
run_expert() {
  local gallery
  gallery=$(WINDOW_WAIT=$1 window "New Items")
  # The expert's icon: the list view's place in the gallery plus the first
  # icon's centre in it. Wine takes the keyboard focus from a click.
  click_at "$gallery" 54 62
  [ "${2:-}" = shot ] && shot "$gallery" wine-gallery
  keys Return
  closed "$gallery" "OK left the gallery open"
  newdlg=$(window "^New$")
  sleep 0.3
}
# The gallery is open from the start.
first_wizard() { run_expert 600 shot; }
# Opens the gallery from the host's main window and starts the expert.
start_wizard() {
  click_at "$main" 400 40
  keys ctrl+n
  run_expert 100
}

# Wine may take a while to start, the first time on a new prefix.
main=$(WINDOW_WAIT=600 window "Vantrel host - stand-in IDE")
run_wizard_three_times

if [ "$failures" -ne 0 ]; then
  echo "wizard window test: $failures failure(s); screenshots in $shots" >&2
  exit 1
fi
echo "wizard window test: passed; screenshots in $shots"
