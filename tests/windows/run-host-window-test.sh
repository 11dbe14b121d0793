#!/usr/bin/env bash
# The Windows stand-in host in real windows: vantrel-host.exe runs under
# Wine on a virtual screen and is driven with real X input events
# (xdotool). Its main window opens the gallery with Ctrl+N and with File,
# New...; while the gallery is up the main window takes no input; Escape
# cancels it; a double click on the expert's icon and OK (Enter) each run the
# expert, whose first dialog, cancelled, gives the main window back; File,
# Exit ends the host with status 0. The main window and the gallery are compared with
# tests/windows/reference/wine-*.png, allowing 0.5% differing pixels; a
# missing reference fails.
#
# Usage: run-host-window-test.sh BUILD-DIR WINE-RUN WINE-PREFIX
# After a deliberate change: UPDATE_REFERENCES=1 run-host-window-test.sh ...
set -euo pipefail

build=$(cd "$1" && pwd)
wine_run=$2
prefix=$3
here=$(cd "$(dirname "$0")" && pwd)
refs="$here/reference"
shots="$build/host-window-test"
tolerance=${WINDOW_TEST_TOLERANCE:-0.005}
rm -rf "$shots"
mkdir -p "$shots"
place_tool=("$wine_run" "$prefix" "$build/vantrel_control_place.exe")
source "$here/../window/window-session.sh"
start_screen

setsid "$wine_run" "$prefix" "$build/vantrel-host.exe" >"$shots/host.log" 2>&1 </dev/null &
host=$!
# Wine may take a while to start, the first time on a new prefix.
main=$(WINDOW_WAIT=600 window "Vantrel host - stand-in IDE")
for _ in $(seq 100); do grep -q "vantrel-host: ready" "$shots/host.log" && break; sleep 0.1; done
grep -q "vantrel-host: ready" "$shots/host.log" || fail "the host did not say it is ready"
shot "$main" wine-host

# Where the expert's icon sits in the gallery: the list view's place in
# the gallery (16, 40) plus the first icon's centre in it.
icon_x=54
icon_y=62

# Focuses the main window (a click on its status line) and opens the gallery
# with the given keys.
open_gallery() {
  x xdotool windowfocus --sync "$main"
  click_at "$main" 400 40
  keys "$@"
  gallery=$(window "New Items")
}

open_gallery ctrl+n
shot "$gallery" wine-gallery
# The main window is disabled under the gallery: no second gallery.
x xdotool windowfocus --sync "$main"
keys ctrl+n
[ "$(xdotool search --onlyvisible --name "New Items" | wc -l)" -eq 1 ] || fail "a second gallery opened"
click_at "$gallery" 240 270
keys Escape
gone "New Items" "Escape left the gallery open"

# The expert's first dialog, cancelled: the main window takes input again.
cancel_expert() {
  local newdlg
  newdlg=$(window "^New$")
  click "$newdlg" TNewDlg CancelBtn
  closed "$newdlg" "Cancel left the expert's dialog open"
}

open_gallery alt+f n
click_at "$gallery" $icon_x $icon_y --repeat 2 --delay 80
gone "New Items" "a double click on the expert left the gallery open"
cancel_expert

open_gallery ctrl+n
keys Return
gone "New Items" "OK left the gallery open"
cancel_expert

x xdotool windowfocus --sync "$main"
click_at "$main" 400 40
keys alt+f x
for _ in $(seq 100); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$host" 2>/dev/null; then
  fail "File, Exit left the host running"
else
  wait "$host" || fail "the host ended with status $?"
  host=
fi

echo "host window test: $failures failures; screenshots in $shots"
[ "$failures" -eq 0 ]
