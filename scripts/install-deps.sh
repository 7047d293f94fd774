#!/usr/bin/env bash
# Installs the Debian packages that `make test`, `make run`, `make package` and `make bench` need.
# Does nothing when they are all present; otherwise updates the package lists once and installs
# the missing ones, waiting for another package manager to finish rather than failing.
# `install-deps.sh --list` prints the packages, one a line; `--missing` prints those not installed.
# The list starts from a minimal Debian 12 root (debootstrap minbase with make and
# ca-certificates): nothing else is assumed. tests/structure/deps-test.sh keeps it covering
# the package's Build-Depends.
set -euo pipefail

packages=(
  # Building: dpkg-buildpackage insists on build-essential, whatever else is there.
  build-essential cmake ninja-build make g++ pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools
  # Qt's own words in the user's language, such as the key names the solver window shows.
  qt6-translations-l10n
  # The sanitizer and fuzz builds.
  clang libclang-rt-14-dev
  # The end-to-end tests and `make run`: a display of their own, keys, screenshots, the
  # clipboard. Qt draws its text with a font that fontconfig finds; the X server wants its own
  # fonts, and xauth is what xvfb-run needs.
  xvfb xauth xfonts-base fonts-dejavu-core xdotool imagemagick x11-utils xclip
  # A window manager, to test what a desktop does to a tap and a drag.
  openbox
  # The desktop files, the manual pages and their checks; `file` tells the programs' build ids.
  librsvg2-bin desktop-file-utils appstream appstream-util groff-base man-db file
  # The Debian package, its checks, and the run on the oldest x86-64 processor.
  dpkg-dev debhelper fakeroot lintian devscripts qemu-user
  # locale-gen, for a LANG that a login brings from another machine (C.UTF-8 needs nothing).
  locales
  # The web page: its compiler, its test runner and the browser it is checked in, with a font
  # that browser renders text with.
  emscripten nodejs npm chromium fonts-liberation
)

# The listed packages that are neither installed nor provided by an installed package (a
# nodejs from elsewhere may carry its own npm and conflict with Debian's; installing npm then
# would remove that nodejs). One look at the package database: a look per package took 3 s
# of every `make` on a busy machine.
missing() {
  awk -F'|' '
    FNR == NR {
      if ($2 ~ /ok installed$/) {
        there[$1] = 1
        n = split($3, provided, /, */)
        for (i = 1; i <= n; i++) { sub(/ .*/, "", provided[i]); there[provided[i]] = 1 }
      }
      next
    }
    !($1 in there)' \
    <(dpkg-query -W -f='${Package}|${Status}|${Provides}\n' 2>/dev/null) <(printf '%s\n' "${packages[@]}")
}

case "${1:-}" in
  --list) printf '%s\n' "${packages[@]}"; exit 0 ;;
  --missing) missing; exit 0 ;;
  "") ;;
  *) echo "usage: $0 [--list | --missing]" >&2; exit 2 ;;
esac

mapfile -t absent < <(missing)
[ ${#absent[@]} -eq 0 ] && exit 0

echo "Installing: ${absent[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "These packages are missing and installing them needs root: run 'make deps' as root," >&2
    echo "or install sudo. Missing: ${absent[*]}" >&2
    exit 1
  }
  as_root=(sudo)
fi
# Another apt (an automatic update at boot, a second `make`) may hold the locks for a while:
# install waits for dpkg's by itself; update does not wait for the package lists' lock, so it
# is tried again, for up to ten minutes as well.
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
for attempt in $(seq 40); do
  if report=$("${apt[@]}" update -qq 2>&1); then break; fi
  grep -q 'Could not get lock' <<<"$report" && [ "$attempt" -lt 40 ] || { echo "$report" >&2; exit 1; }
  [ "$attempt" -eq 1 ] && echo "Waiting for another package manager to finish..." >&2
  sleep 15
done
"${apt[@]}" install -y -qq --no-install-recommends "${absent[@]}"
