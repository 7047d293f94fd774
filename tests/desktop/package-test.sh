#!/usr/bin/env bash
# Builds the Debian packages as `make package` does and checks them as a packager and a user
# would: lintian --pedantic finds no error and no warning; the package holds what the install
# holds, with the programs in /usr/games, the manual pages compressed, the copyright and the
# changelog; the debug package holds the programs' debug information; the programs are
# hardened; unpacked into a scratch root, each desktop program starts on an Xvfb display and
# says that it has none without one, and the CLI answers on qemu's baseline processor.
# Exits 77 (skipped) without the packaging tools.
# Usage: package-test.sh BUILD_DIR EXPECTED VERSION TABLES
set -euo pipefail
build=$1
expected=$2
version=$3
tables=$4

for tool in dpkg-buildpackage dh lintian hardening-check Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
here=$(dirname "$0")
FIRST_DISPLAY=${FIRST_DISPLAY:-120}
source "$here/../../scripts/xvfb-session.sh"
source "$here/installed-programs.sh"

# A fixed place in the build tree, so that a compiler cache finds the same paths each run.
out="$build/package-test"
started=$(date +%s)
bash "$here/../../scripts/build-package.sh" "$out" >"$work/build.log" 2>&1 || fail "the package build: $(tail -n 30 "$work/build.log")"
echo "package built in $(($(date +%s) - started)) s"
arch=$(dpkg --print-architecture)
deb="$out/trommelquirl_${version}_$arch.deb"
dbgsym="$out/trommelquirl-dbgsym_${version}_$arch.deb"
[ -f "$deb" ] && [ -f "$dbgsym" ] || fail "no $deb and $dbgsym: $(ls "$out")"

lintian --pedantic --fail-on error,warning "$out/trommelquirl_${version}_$arch.changes" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.log")"

# What the install holds, with the package's places for the programs and its compression.
sed -e 's|^bin/|games/|' -e 's|^\(share/man/.*\)$|\1.gz|' "$expected" |
  cat - <(printf '%s\n' share/doc/trommelquirl/copyright share/doc/trommelquirl/changelog.gz) | sort >"$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "the package's files are not the expected ones"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
packages=$(field Depends | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qxF "$library" <<<"$packages" || fail "Depends lacks $library"
done

root="$work/root"
dpkg -x "$deb" "$root"
dpkg -x "$dbgsym" "$root"
for program in "$root"/usr/games/*; do
  id=$(file -b "$program" | sed -n 's/.*BuildID\[sha1\]=\([0-9a-f]*\).*/\1/p')
  [ -f "$root/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "no debug information for $program"
  # What hardening=+all gives on Debian 12; control-flow protection needs a C library built
  # for it, which Debian 12's is not.
  hardening-check "$program" >"$work/hardening.log" 2>&1 || true
  for item in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
    'Read-only relocations' 'Immediate binding'; do
    grep -q "^ $item: yes" "$work/hardening.log" || fail "$(cat "$work/hardening.log")"
  done
done

# Each desktop program from the scratch root: on the Xvfb display, a window that keeps running.
for program in $(desktop_programs "$root" games); do
  check_without_display "$program"
  check_keeps_running "$program"
done
check_on_oldest_processor "$root/usr/games/trommelquirl-cli" "$tables"
echo "passed: $(basename "$deb"), $(stat -c %s "$deb") bytes; in $(($(date +%s) - started)) s"
