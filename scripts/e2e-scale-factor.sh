#!/usr/bin/env bash
# A window at QT_SCALE_FACTOR values Qt shows no window at (0, not a number, infinity, absurdly
# large or below zero): the program says so in one line on standard error and opens its window
# at scale 1. Exits 77 (skipped) when Xvfb or xdotool is missing.
# Usage: e2e-scale-factor.sh PROGRAM TITLE WIDTHxHEIGHT   (TITLE: a pattern for the window's name)
set -euo pipefail
program=$1
title=$2
size=$3

for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

FIRST_DISPLAY=131
source "$(dirname "$0")/xvfb-session.sh"

for factor in 0 nan inf 100 -1; do
  QT_SCALE_FACTOR=$factor "$program" >"$work/program.log" 2>&1 &
  program_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1) ||
    fail "at QT_SCALE_FACTOR=$factor no window appeared"
  eval "$(xdotool getwindowgeometry --shell "$window")"  # WIDTH, HEIGHT
  [ "${WIDTH}x${HEIGHT}" = "$size" ] || fail "at QT_SCALE_FACTOR=$factor the window is ${WIDTH}x${HEIGHT}, not $size"
  grep -q "QT_SCALE_FACTOR=\"$factor\" is no scale factor" "$work/program.log" ||
    fail "at QT_SCALE_FACTOR=$factor nothing was said: $(cat "$work/program.log")"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
done
echo "every unusable factor was said and the window opened at scale 1"
