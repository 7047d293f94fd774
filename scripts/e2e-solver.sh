#!/usr/bin/env bash
# End-to-end run of the solver's window on its own Xvfb display: opened on a layout, solved with
# Ctrl+Return, its solution copied with Ctrl+Shift+C and read from the clipboard, where the
# command line replays it to solved. Then without a display: one line on standard error and
# status 1. Exits 77 (skipped) when Xvfb, xdotool or xclip is missing.
# Usage: e2e-solver.sh SOLVER CLI   (XDG_CACHE_HOME: where the solver's table is kept)
set -euo pipefail
solver=$1
cli=$2

for tool in Xvfb xdotool xclip xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

FIRST_DISPLAY=91
source "$(dirname "$0")/xvfb-session.sh"
# Where the window leaves off goes to the scratch home too.
unset XDG_STATE_HOME

# No display at all, and one that does not answer: one line each, status 1, before any window.
for display in "" ":$((display + 50))"; do
  status=0
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$solver" >"$work/nodisplay.out" 2>"$work/nodisplay.err" || status=$?
  [ "$status" = 1 ] || fail "without a display (DISPLAY='$display') the status is $status, not 1"
  [ "$(wc -l <"$work/nodisplay.err")" = 1 ] || fail "without a display (DISPLAY='$display') it says: $(cat "$work/nodisplay.err")"
  grep -q -E '^trommelquirl-solver: (no display to open|cannot open the display)' "$work/nodisplay.err" || fail "without a display it says: $(cat "$work/nodisplay.err")"
done

# A layout of no layout is refused on the command line.
status=0
"$solver" "not a layout" 2>"$work/refused.err" || status=$?
[ "$status" = 2 ] || fail "a bad layout gives status $status, not 2"

# An option it does not know: one line and status 2, before any window; the version as -V.
status=0
"$solver" --nonsense-option 2>"$work/option.err" || status=$?
[ "$status" = 2 ] || fail "an unknown option gives status $status, not 2"
[ "$(wc -l <"$work/option.err")" = 1 ] || fail "an unknown option is answered with: $(cat "$work/option.err")"
grep -q -- "--nonsense-option" "$work/option.err" || fail "the unknown option is not named: $(cat "$work/option.err")"
"$solver" -V | grep -q '^trommelquirl-solver ' || fail "-V does not show the version"

# Two turns of the upper half from the start, written with underscores: two turns back solve it.
layout="32200_441135522_004431155_"
"$solver" "$layout" >"$work/solver.log" 2>&1 &
program_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Trommelquirl Solver$' | head -n 1) || fail "no window appeared"
sleep 0.5
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --delay 50 ctrl+Return

# The solve loads the table first (built once per test run); then Ctrl+Shift+C copies the digits.
solution=""
for _ in $(seq 150); do
  sleep 0.2
  xdotool key --delay 20 ctrl+shift+c
  solution=$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)
  [[ "$solution" =~ ^[1-5]+$ ]] && break
done
[[ "$solution" =~ ^[1-5]+$ ]] || fail "no solution on the clipboard; it holds '$solution'; the program said: $(cat "$work/solver.log")"
[ "${#solution}" = 2 ] || fail "the solution $solution is not the shortest, of 2 moves"
replayed=$("$cli" apply "${layout//_/ }" "$solution" | tail -n 1)
[ "$replayed" = "Richtige Spalten: 5" ] || fail "the solution $solution does not solve $layout: $replayed"

# Ctrl+C copies the layout in the underscore spelling.
xdotool key --delay 20 ctrl+c
sleep 0.2
[ "$(timeout 2 xclip -o -selection clipboard)" = "$layout" ] || fail "Ctrl+C copied '$(xclip -o -selection clipboard)'"
echo "passed"
