#!/usr/bin/env bash
# Installs the browser tests' npm packages exactly as the committed lockfile pins them, when they
# are missing or older than the lockfile; checks that Debian's Chromium is there to drive.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -x "${TQ_CHROMIUM:-/usr/bin/chromium}" ]; then
  echo "browser tests: ${TQ_CHROMIUM:-/usr/bin/chromium} is missing (Debian package chromium)" >&2
  exit 1
fi
if [ -f node_modules/.package-lock.json ] && [ ! package-lock.json -nt node_modules/.package-lock.json ]; then
  exit 0
fi
npm ci --no-audit --no-fund
