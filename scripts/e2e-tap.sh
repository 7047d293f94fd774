#!/usr/bin/env bash
# The desktop program under a real window manager (openbox) on its own Xvfb display: a tap on the
# window (press and release at once) must leave no window move behind, so a keypad key acts
# right after it and the window stays put; a press, move and release still drags the window.
# Exits 77 (skipped) when Xvfb, openbox, xdotool or ImageMagick is missing.
# Usage: e2e-tap.sh PROGRAM
set -euo pipefail
program=$1

for tool in Xvfb openbox xdotool import convert xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

FIRST_DISPLAY=127
source "$(dirname "$0")/xvfb-session.sh"
openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
trap 'kill "$openbox_pid" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Trommelquirl$' | head -n 1) || fail "no window appeared"
sleep 0.5
position() { xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=' | tr '\n' ' '; }
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y
start=$(position)
start_x=$X start_y=$Y
# Colour (#RRGGBB) at the centre of the ball in column 0, row 1.
first_ball() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "1x1+$((X + 20))+$((Y + 55))" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}
# Waits up to 10 s for the ball to show a colour: a loaded machine may be slow to draw.
await_first_ball() {
  for _ in $(seq 50); do [ "$(first_ball)" = "$1" ] && return 0; sleep 0.2; done
  return 1
}
await_first_ball '#0000FF' || fail "start position not shown: the first ball is $(first_ball)"

# The tap, on the field picture; then Num Lock (keycode 77) and keypad 4 (keycode 83).
xdotool mousemove $((X + 90)) $((Y + 100)) click 1
sleep 0.3
xdotool mousemove $((X + 300)) $((Y + 160))
sleep 0.3
[ "$(position)" = "$start" ] || fail "the window moved after a tap: $(position), was $start"
xdotool key --delay 50 77 83
await_first_ball '#FFFF00' || fail "keypad 4 after a tap did not turn the upper half: the first ball is $(first_ball)"

# A real drag, in small steps as a hand makes it.
xdotool mousemove $((X + 90)) $((Y + 100)) mousedown 1
for step in $(seq 1 20); do
  xdotool mousemove $((X + 90 + 5 * step)) $((Y + 100 + 3 * step))
  sleep 0.03
done
xdotool mouseup 1
# The window manager may lag behind the pointer on a loaded machine: wait until it stands still.
last=""
for _ in $(seq 25); do
  sleep 0.2
  now=$(position)
  [ "$now" = "$last" ] && break
  last=$now
done
eval "$(xdotool getwindowgeometry --shell "$window")"
# The pointer went 100 right and 60 down; the window follows it from a drag distance on.
[ $((X - start_x)) -ge 80 ] && [ $((X - start_x)) -le 100 ] && [ $((Y - start_y)) -ge 40 ] && [ $((Y - start_y)) -le 60 ] ||
  fail "a press, move and release took the window from $start_x,$start_y to $X,$Y"
echo "passed"
