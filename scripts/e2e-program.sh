#!/usr/bin/env bash
# End-to-end run of the desktop program on its own Xvfb display with real X key events:
# Num Lock on, keypad 4, keypad 8, Escape. Checks ball colours on screenshots, the exit code
# and the solutions file. Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
# Usage: e2e-program.sh PROGRAM [SCREENSHOT]   (SCREENSHOT: where to keep the window's picture)
set -euo pipefail
program=$1
keep=${2:-}

for tool in Xvfb xdotool import convert xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

FIRST_DISPLAY=97
source "$(dirname "$0")/xvfb-session.sh"
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Trommelquirl$' | head -n 1) || fail "no window appeared"
# The window is named before it takes its size: on a loaded machine (load 17 on 2 cores) it
# was still 1x1 half a second later.
for _ in $(seq 100); do
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
  [ "$WIDTH" = 580 ] && [ "$HEIGHT" = 215 ] && [ "$X" = 222 ] && break
  sleep 0.1
done
[ "$WIDTH" = 580 ] && [ "$HEIGHT" = 215 ] || fail "window is ${WIDTH}x${HEIGHT}, not 580x215"
[ "$X" = 222 ] && [ "$Y" = 277 ] || fail "window at $X,$Y, not centred at 222,277"

# Colour (#RRGGBB) at the centre of the ball in column c, row r of the last screenshot.
ball() {
  convert "$work/shot.png" -crop "1x1+$((X + 35 * $1 + 20))+$((Y + 35 * $2 + 20))" -depth 8 txt:- |
    tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}
shoot() { sleep "${1:-0.5}"; import -window root "$work/shot.png"; }
expect_ball() {
  local got
  got=$(ball "$1" "$2")
  [ "$got" = "$3" ] || fail "$4: ball at column $1, row $2 is $got, not $3"
}

shoot
expect_ball 0 1 '#0000FF' "start position"
expect_ball 4 4 '#FF0000' "start position"
expect_ball 2 0 '#646464' "start position"
expect_ball 2 5 '#323232' "start position"

# Keycodes: 77 Num Lock (Xvfb starts with it off), 83 keypad 4, 80 keypad 8.
xdotool key --delay 50 77
xdotool key --delay 50 83
shoot
expect_ball 0 1 '#FFFF00' "upper half turned left"
expect_ball 4 2 '#0000FF' "upper half turned left"
expect_ball 0 3 '#0000FF' "lower half unchanged"

xdotool key --delay 50 80
shoot 1
expect_ball 0 1 '#FFFF00' "after the search, the position from before it"
[ -n "$keep" ] && convert "$work/shot.png" -crop "580x215+$X+$Y" +repage "$keep"

xdotool key --delay 50 Escape
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "Escape did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" = 0 ] || fail "exit code $status"

data="$HOME/.local/share/trommelquirl"
# The start position with the upper half turned one column left, solved by one turn right.
expected=$(printf '31100 221134422 554430055 1\r\n')
[ "$(cat "$data/Loesungen.txt")" = "$expected" ] || fail "solutions file holds: $(od -c "$data/Loesungen.txt" | head -3)"
ls "$data" | grep -q '^Lösung[0-9]\{4\}\.txt$' || fail "no export file in $data"
echo "passed"
