#!/bin/bash
# The walk starts fetching each end's filter word while the next walk runs; a compiler that
# quietly drops that fetch leaves every result the same and the search with a million
# entries 7 % slower. Counts the fetches in the walk's object: one per copy of the walk.
# Usage: walk-prefetches.sh LIBRARY COPIES
set -euo pipefail
library=$1
copies=$2
found=$(objdump -d --no-show-raw-insn "$library" |
  awk '/file format/ { inWalk = ($1 == "walk.cpp.o:") } inWalk && /\tprefetch/ { n++ } END { print n + 0 }')
if [ "$found" -lt "$copies" ]; then
  echo "the walk fetches its filter word in $found of its $copies copies" >&2
  exit 1
fi
echo "the walk fetches its filter word: $found fetches for $copies copies"
