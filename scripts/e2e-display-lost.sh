#!/usr/bin/env bash
# The desktop program on its own Xvfb display loses the display after finding a solution:
# it must save what it found before it ends. Exits 77 (skipped) when Xvfb or xdotool is missing.
# Usage: e2e-display-lost.sh PROGRAM
set -euo pipefail
program=$1

for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

FIRST_DISPLAY=117
source "$(dirname "$0")/xvfb-session.sh"
data="$HOME/.local/share/trommelquirl"
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
timeout 20 xdotool search --sync --name '^Trommelquirl$' >/dev/null || fail "no window appeared"
sleep 0.5
# Num Lock, keypad 4, keypad 8: the search finds "1" at once and writes its export file.
xdotool key --delay 50 77 83 80
for _ in $(seq 100); do ls "$data" 2>/dev/null | grep -q '^Lösung' && break; sleep 0.1; done
ls "$data" | grep -q '^Lösung' || fail "the search did not finish"

kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program went on without its display"
program_pid=""
expected=$(printf '31100 221134422 554430055 1\r\n')
[ "$(cat "$data/Loesungen.txt" 2>/dev/null)" = "$expected" ] || fail "solutions file holds: $(od -c "$data/Loesungen.txt" | head -3)"
echo "passed"
