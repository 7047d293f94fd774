#!/usr/bin/env bash
# Removes what `make install` put under PREFIX (inside DESTDIR, when that is set): installs the
# build once more into a scratch folder to learn its file list, then deletes those files under
# PREFIX. Folders stay, since others may share them. Needs the build that was installed.
# Usage: uninstall.sh BUILD_DIR PREFIX
set -euo pipefail
build=$1
prefix=$2
[ -f "$build/cmake_install.cmake" ] || { echo "uninstall: no build in $build to learn the installed files from" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch" cmake --install "$build" --prefix "$prefix" >/dev/null
rm -f "$build/install_manifest.txt"  # the scratch install's, which lists nothing real
target="${DESTDIR:-}$prefix"
(cd "$scratch$prefix" && find . -type f -o -type l) | sed 's|^\./||' | sort | while read -r file; do
  if [ -e "$target/$file" ] || [ -L "$target/$file" ]; then
    rm -f "$target/$file"
    echo "-- Removed: $target/$file"
  fi
done
