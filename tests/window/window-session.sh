# Helpers for the window tests: a virtual screen, waiting for windows, keys,
# clicks at the places the layout data gives, screenshots compared with
# references. Set before sourcing: shots (screenshots and logs), refs, and
# place_tool (the command printing a form's control places). As a script it
# runs a command on a screen of its own: window-session.sh LOG-DIR COMMAND...

source "$(dirname "${BASH_SOURCE[0]}")/../lib/common.sh"
need Xvfb xdotool import compare
tolerance=${WINDOW_TEST_TOLERANCE:-0.005}  # Share of pixels allowed to differ.

# Records a failure with a picture of the whole screen at that moment.
fail() {
  failures=$((failures + 1))
  echo "window test: FAILED: $* (screen: failure-$failures.png)" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$shots/failure-$failures.png" 2>/dev/null || true
}

# Starts a virtual screen of its own and points DISPLAY at it.
start_screen() {
  exec 3> "$shots/xvfb.display"
  # Descriptor 9 may hold the caller's lock; the server must not keep it.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$shots/xvfb.log" 2>&1 9>&- &
  at_exit "kill $! 2>/dev/null || true"
  for _ in $(seq 50); do [ -s "$shots/xvfb.display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$shots/xvfb.display")"
}

# Starts the program under test, its output in host.log; host is its pid,
# ended on exit unless cleared.
start_host() {
  setsid "$@" >"$shots/host.log" 2>&1 </dev/null 9>&- &
  host=$!
  at_exit '[ -n "$host" ] && kill "$host" 2>/dev/null || true'
}

# Runs an X client, again when the server refused the connection.
x() {
  for _ in 1 2 3 4 5 6 7 8; do
    "$@" 2>>"$shots/x-clients.log" && return 0
    sleep 0.2
  done
  echo "window test: '$*' failed" >&2
  return 1
}

# A dialog that has just opened ignores mouse presses for the double-click
# time (500 ms): the helpers that wait for a window wait that long too.
settle() { sleep 0.6; }

# Whether a window whose name matches is visible; prints its id.
shown() { xdotool search --onlyvisible --name "$1" 2>>"$shots/x-clients.log" | tail -1 | grep .; }
# Whether the window with id ID is shown.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
not() { ! "$@" >/dev/null 2>&1; }

# Runs COMMAND until it succeeds (WINDOW_WAIT tenths of a second, 10 s by
# default), then settles.
await() { retry "${WINDOW_WAIT:-100}" "$@" && settle; }

# Waits for a visible window whose name matches, and prints its id.
window() { await shown "$1" || { fail "no window '$1'"; return 1; }; }
# Fails with WHAT when a visible window matches, after a moment to appear.
no_window() { sleep 0.5; not shown "$1" || fail "$2"; }
# Waits until no visible window matches; fails with WHAT when one still does.
gone() { await not shown "$1" || fail "$2"; }
# Waits until the window with id ID is no longer shown; fails with WHAT.
closed() { await not viewable "$1" || fail "$2"; }
# Fails with WHAT unless the window with id ID is shown.
still_open() { viewable "$1" || fail "$2"; }

# Sets X Y WIDTH HEIGHT to the place of window ID on the screen, without a
# window manager's frame.
geometry() {
  local info
  info=$(x xwininfo -id "$1") || return 1
  read -r X Y WIDTH HEIGHT < <(awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print x, y, w, h }' <<<"$info")
}

# Prints "x y w h" of a control (FORM CONTROL) in its window.
place() {
  local cache="$shots/places-$1"
  if [ ! -f "$cache" ]; then
    # A Windows program's lines end in CR LF.
    "${place_tool[@]}" "$1" | tr -d '\r' >"$cache.new" || { fail "no places for $1"; return 1; }
    mv "$cache.new" "$cache"
  fi
  awk -v name="$2" '$1 == name { print $2, $3, $4, $5; found = 1; exit } END { exit !found }' "$cache" ||
    { fail "$1 has no control $2"; return 1; }
}

# Clicks into window ID at X Y (xdotool click options may follow); Wine
# takes the keyboard focus from a click, not from the X server's focus.
click_at() {
  local X Y
  geometry "$1"
  x xdotool mousemove $((X + $2)) $((Y + $3)) click "${@:4}" 1
  sleep 0.3
}

# Clicks a control: WINDOW FORM CONTROL [DX DY [DELAY]], at its centre or
# at DX DY from its corner (a negative DX from its right edge); with DELAY,
# a double click DELAY ms apart.
click() {
  local id=$1 at cx cy cw ch X Y
  at=$(place "$2" "$3")
  read -r cx cy cw ch <<<"$at"
  local dx=${4:-$((cw / 2))} dy=${5:-$((ch / 2))}
  [ "$dx" -lt 0 ] && dx=$((cw + dx))
  geometry "$id"
  x xdotool mousemove $((X + cx + dx)) $((Y + cy + dy)) click ${6:+--repeat 2 --delay "$6"} 1
  sleep 0.3
}

# A double click on a control, 80 ms apart unless DELAY is given.
double_click() { click "$1" "$2" "$3" "${4:-}" "${5:-}" "${6:-80}"; }

# Fails with WHAT when the window with id ID is wider than the screen.
fits_screen() {
  local WIDTH HEIGHT X Y SCREEN screen_width screen_height
  geometry "$1"
  read -r screen_width screen_height < <(x xdotool getdisplaygeometry)
  [ -n "$screen_width" ] && [ "$WIDTH" -le "$screen_width" ] && [ "$X" -ge 0 ] ||
    fail "$2 ($WIDTH pixels wide at x $X on a ${screen_width:-?}-pixel screen)"
}

# Opens the list of a control (WINDOW FORM CONTROL) with a click on its
# button and waits for it, over the box or just below it; then sets X Y
# WIDTH HEIGHT to the list's window.
drop_down() {
  local id=$1 at cx cy cw ch point
  at=$(place "$2" "$3")
  read -r cx cy cw ch <<<"$at"
  geometry "$id"
  local over="$((X + cx + cw / 2)) $((Y + cy + ch / 2))" below="$((X + cx + 20)) $((Y + cy + ch + 4))"
  # The windows under both points before.
  local -A before
  for point in "$over" "$below"; do
    eval "$(x xdotool mousemove $point getmouselocation --shell)"
    before[$point]=$WINDOW
  done
  click "$@" -8
  for _ in $(seq 40); do
    for point in "$over" "$below"; do
      eval "$(x xdotool mousemove $point getmouselocation --shell)"
      [ "$WINDOW" != "${before[$point]}" ] && break 2
    done
    sleep 0.1
  done
  [ "$WINDOW" != "${before[$point]}" ] || fail "the drop-down list of $3 did not open"
  sleep 0.3  # Drawn.
  geometry "$WINDOW"
}

# Types with the keyboard into a window, once it has the focus.
keys() { x xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { x xdotool type --delay 40 "$1"; sleep 0.2; }

# Saves a screenshot of a window and compares it with its reference.
shot() {
  local id=$1 name=$2
  sleep 0.4
  x import -window "$id" "$shots/$name.png"
  if [ "${UPDATE_REFERENCES:-0}" = 1 ]; then
    cp "$shots/$name.png" "$refs/$name.png"
    echo "window test: reference $name.png written"
    return
  fi
  [ -f "$refs/$name.png" ] || { fail "no reference $name.png (write it with UPDATE_REFERENCES=1)"; return; }
  local differing total
  differing=$(compare -metric AE -fuzz 8% "$refs/$name.png" "$shots/$name.png" "$shots/$name-diff.png" 2>&1 || true)
  total=$(identify -format '%[fx:w*h]' "$refs/$name.png")
  if ! awk -v d="$differing" -v t="$total" -v tol="$tolerance" 'BEGIN { exit !(d ~ /^[0-9.e+]+$/ && d <= t * tol) }'; then
    fail "$name.png differs from its reference ($differing of $total pixels)"
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  shots=$1
  shift
  mkdir -p "$shots"
  start_screen
  "$@"
fi
