#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a short, fixed time.
# Usage: run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1; seconds=$2
top=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/tests/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then echo "no fuzz targets"; exit 0; fi
for t in "${targets[@]}"; do
  [ -x "$t" ] || continue
  name=$(basename "$t")
  seeds="$top/tests/fuzz/corpus/$name"
  work=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "fuzzing $name for ${seconds}s"
  "$t" -max_total_time="$seconds" -max_len=200000 -print_final_stats=1 -artifact_prefix="$build/$name-" "$work" 2>&1 | tail -n 12
  rm -rf "$work"
done
