#!/usr/bin/env bash
# Checks the desktop entry with desktop-file-validate and the metainfo with appstreamcli and
# appstream-util: any error or warning fails; hints and pedantic notes do not. appstream-util
# checks as relaxed, since its default also asks for a homepage, which the project does not
# have. Exits 77 (skipped) without a tool.
# Usage: validate-desktop-files.sh entry|metainfo FILE
set -euo pipefail
kind=$1
file=$2
case $kind in
  entry)
    command -v desktop-file-validate >/dev/null || { echo "skipped: desktop-file-validate is not installed"; exit 77; }
    # It prints nothing for a valid entry, and a line for each error, warning and hint.
    report=$(desktop-file-validate "$file" 2>&1) || { echo "$report"; exit 1; }
    [ -z "$report" ] || { echo "$report"; exit 1; }
    ;;
  metainfo)
    command -v appstreamcli >/dev/null || { echo "skipped: appstreamcli is not installed"; exit 77; }
    report=$(appstreamcli validate --no-net --no-color "$file" 2>&1) || { echo "$report"; exit 1; }
    if grep -E '^[EW]:' <<<"$report"; then exit 1; fi
    command -v appstream-util >/dev/null || { echo "skipped: appstream-util is not installed"; exit 77; }
    report=$(appstream-util validate-relax --nonet "$file" 2>&1) || { echo "$report"; exit 1; }
    ;;
  *)
    echo "usage: validate-desktop-files.sh entry|metainfo FILE" >&2
    exit 2
    ;;
esac
echo "valid: $file"
