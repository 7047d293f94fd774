#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Does nothing when they are all present; otherwise updates the package lists once and installs the missing ones.
set -euo pipefail

packages=(
  cmake ninja-build make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-utils xclip openbox
  librsvg2-bin desktop-file-utils appstream groff-base man-db dpkg-dev file
  debhelper fakeroot lintian devscripts qemu-user appstream-util
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
