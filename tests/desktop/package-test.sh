#!/usr/bin/env bash
# Builds the Debian package with CPack into a scratch folder and checks it: its files are
# exactly those listed in EXPECTED under /usr, its Depends line names the libraries the
# programs link (Qt's X11 platform comes with libqt6gui6, so no plugin package), and its
# control fields. Exits 77 (skipped) without dpkg-deb or dpkg-shlibdeps.
# Usage: package-test.sh BUILD_DIR EXPECTED VERSION CPACK
set -euo pipefail
build=$1
expected=$2
version=$3
cpack=$4

for tool in dpkg-deb dpkg-shlibdeps dpkg; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
source "$(dirname "$0")/../../scripts/scratch-folder.sh"

"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
deb="$work/trommelquirl_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work")"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort >"$work/packaged"
sort "$expected" >"$work/expected"
diff -u "$work/expected" "$work/packaged" || fail "the package's files are not the expected ones"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = trommelquirl ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
packages=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qxF "$library" <<<"$packages" || fail "Depends lacks $library"
done
! grep -qxF qt6-qpa-plugins <<<"$packages" || fail "Depends names qt6-qpa-plugins"
echo "passed: $(basename "$deb"), $(stat -c %s "$deb") bytes"
