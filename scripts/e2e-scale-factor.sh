#!/usr/bin/env bash
# At QT_SCALE_FACTOR values where Qt opens no window (0, not a number, infinity, absurdly large
# or below zero) the program says so in one line and opens its window at scale 1. Exits 77
# (skipped) when Xvfb or xdotool is missing. Usage: e2e-scale-factor.sh PROGRAM TITLE WxH
set -euo pipefail
program=$1 title=$2 size=$3
for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
FIRST_DISPLAY=131
source "$(dirname "$0")/xvfb-session.sh"

for factor in 0 nan inf 100 -1; do
  QT_SCALE_FACTOR=$factor "$program" >"$work/program.log" 2>&1 &
  program_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1) || fail "no window at $factor"
  eval "$(xdotool getwindowgeometry --shell "$window")"  # WIDTH, HEIGHT
  [ "${WIDTH}x${HEIGHT}" = "$size" ] || fail "at $factor the window is ${WIDTH}x${HEIGHT}, not $size"
  grep -q "QT_SCALE_FACTOR=\"$factor\" is no scale factor" "$work/program.log" || fail "nothing said at $factor"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
done
