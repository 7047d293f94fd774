#!/usr/bin/env bash
# Builds the Debian package (dpkg-buildpackage -us -uc -b) from a copy of the source tree in
# OUT/source, so that the tree itself gains no build folders: the packages land in OUT. The
# package build makes only the installed programs and their files (debian/rules).
# Usage: build-package.sh OUT
set -euo pipefail
source_tree=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
rm -rf "$out"
mkdir -p "$out/source"
tar -C "$source_tree" --exclude=./build --exclude=./.git --exclude=./.cache --exclude='./obj-*' -cf - . |
  tar -C "$out/source" -xf -
cd "$out/source"
DEB_BUILD_OPTIONS="nocheck parallel=${PACKAGE_JOBS:-2} ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b
