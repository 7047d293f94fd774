#!/usr/bin/env bash
# Starts the desktop program; without a display to show it on, says so in one line and fails.
# Usage: run-program.sh PROGRAM
set -euo pipefail
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "trommelquirl needs a display: no DISPLAY or WAYLAND_DISPLAY is set." >&2
  exit 1
fi
if [ -z "${WAYLAND_DISPLAY:-}" ] && command -v xdpyinfo >/dev/null && ! xdpyinfo >/dev/null 2>&1; then
  echo "trommelquirl needs a display: the X display ${DISPLAY} cannot be opened." >&2
  exit 1
fi
exec "$program"
