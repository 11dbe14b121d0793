#!/usr/bin/env bash
# The stand-in host, vantrel-host.exe, in real windows under Wine, driven
# with xdotool through its gallery and menu, with screenshots compared:
#   run-host-window-test.sh BUILD-DIR WINE-RUN WINE-PREFIX
set -euo pipefail

build=$(cd "$1" && pwd)
wine_run=$2 prefix=$3
here=$(cd "$(dirname "$0")" && pwd)
refs="$here/reference"
shots="$build/host-window-test"
rm -rf "$shots"
mkdir -p "$shots"
place_tool=("$wine_run" "$prefix" "$build/vantrel_control_place.exe")
source "$here/../window/window-session.sh"
start_screen
start_host "$wine_run" "$prefix" "$build/vantrel-host.exe"
# Wine may take a while to start, the first time on a new prefix.
main=$(WINDOW_WAIT=600 window "Vantrel host - stand-in IDE")
await grep -q "vantrel-host: ready" "$shots/host.log" || fail "the host did not say it is ready"
shot "$main" wine-host

# Focuses the main window and opens the gallery with the given keys.
open_gallery() {
  x xdotool windowfocus --sync "$main"
  click_at "$main" 400 40
  keys "$@"
  gallery=$(window "New Items")
}

# (The gallery's screenshot, and OK in it, are the wizard's window test's.)
open_gallery ctrl+n
# The main window is disabled under the gallery: no second gallery.
x xdotool windowfocus --sync "$main"
keys ctrl+n
[ "$(xdotool search --onlyvisible --name "New Items" | wc -l)" -eq 1 ] || fail "a second gallery opened"
click_at "$gallery" 240 270
keys Escape
gone "New Items" "Escape left the gallery open"

open_gallery alt+f n
# A double click on the expert's icon.
click_at "$gallery" 54 62 --repeat 2 --delay 80
gone "New Items" "a double click on the expert left the gallery open"
# The expert's first dialog, cancelled: the main window takes input again.
newdlg=$(window "^New$")
click "$newdlg" TNewDlg CancelBtn
closed "$newdlg" "Cancel left the expert's dialog open"

x xdotool windowfocus --sync "$main"
click_at "$main" 400 40
keys alt+f x
if await not kill -0 "$host"; then
  wait "$host" || fail "the host ended with status $?"
  host=
else
  fail "File, Exit left the host running"
fi
finish "host window test" "screenshots in $shots"
