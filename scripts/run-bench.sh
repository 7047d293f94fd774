#!/usr/bin/env bash
# Runs every benchmark of a build.
set -euo pipefail
build=$1
find "$build/bench" -type f -name 'bench_*' -perm -u+x | sort | while read -r b; do
  echo "== $(basename "$b")"
  "$b"
done
