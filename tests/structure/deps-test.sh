#!/usr/bin/env bash
# Checks the set-up's package list (scripts/install-deps.sh) against what it must cover.
#   build-depends: every Build-Depends of debian/control, and build-essential, which
#     dpkg-buildpackage requires without its being named, is on the list, so that
#     `make package` and the package test never meet an unmet build dependency after the
#     set-up; a Build-Depends the list lacks is reported, and the list names no package twice.
#   present: on a made-up package database, the script installs exactly what is neither
#     installed nor provided by an installed package.
# Usage: deps-test.sh build-depends|present SOURCE_DIR
set -euo pipefail
mode=$1
source_dir=$2
script="$source_dir/scripts/install-deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The Build-Depends fields of a control file, one alternative group a line, with the versions,
# architectures, build profiles and architecture qualifiers left out: "a | b".
build_depends() {
  awk '
    /^Build-Depends(-Arch|-Indep)?:/ { on = 1; sub(/^[^:]*:/, ""); print; next }
    on && /^[ \t]/ { print; next }
    { on = 0 }' "$1" |
    tr '\n' ' ' | tr ',' '\n' |
    sed -E 's/\([^)]*\)//g; s/\[[^]]*\]//g; s/<[^>]*>//g; s/:[a-z0-9]+//g; s/[ \t]+/ /g; s/^ //; s/ $//' |
    sed -E 's/ ?\| ?/ | /g' | grep -v '^$'
}

# The groups of a control file that no package of the list satisfies. debhelper-compat is
# the compatibility level that debhelper itself provides.
uncovered() {
  local control=$1 group alternative covered
  while IFS= read -r group; do
    covered=no
    IFS='|' read -ra alternatives <<<"$group"
    for alternative in "${alternatives[@]}"; do
      alternative=$(tr -d ' ' <<<"$alternative")
      [ "$alternative" = debhelper-compat ] && alternative=debhelper
      grep -qxF "$alternative" "$work/list" && covered=yes
    done
    [ $covered = yes ] || echo "$group"
  done < <(build_depends "$control"; echo build-essential)
}

case $mode in
  build-depends)
    bash "$script" --list >"$work/list"
    [ -s "$work/list" ] || fail "the set-up lists no packages"
    duplicates=$(sort "$work/list" | uniq -d)
    [ -z "$duplicates" ] || fail "listed twice: $duplicates"
    groups=$(build_depends "$source_dir/debian/control" | wc -l)
    [ "$groups" -ge 5 ] || fail "read only $groups Build-Depends from debian/control"
    lacking=$(uncovered "$source_dir/debian/control")
    [ -z "$lacking" ] || fail "Build-Depends that scripts/install-deps.sh does not install: $lacking"
    # The check itself sees a dependency the list lacks, in a continuation line, with a
    # version, an architecture list and alternatives, and a group one alternative covers.
    sed -E 's/^(Build-Depends:.*)$/\1\n               libfrobnicate-dev (>= 2) [amd64] | libfrob-dev,\n               nosuchpackage | cmake,/' \
      "$source_dir/debian/control" >"$work/control"
    lacking=$(uncovered "$work/control")
    [ "$lacking" = "libfrobnicate-dev | libfrob-dev" ] || fail "a doctored control file gave: '$lacking'"
    echo "passed: $groups Build-Depends and build-essential are all installed by the set-up"
    ;;
  present)
    # A made-up database: name|status|provides. nodejs from elsewhere provides npm (with a
    # version); make is held at its version; cmake was removed but left its configuration;
    # chromium is unpacked, not configured; a package provides names that only begin like
    # ones on the list.
    cat >"$work/db" <<'EOF'
nodejs|install ok installed|nodejs-dev, npm (= 9.2.0)
cmake|deinstall ok config-files|
git|install ok installed|
make|hold ok installed|
g++-12|install ok installed|cmake-data, g++-mingw
chromium|install ok unpacked|
EOF
    mkdir "$work/bin"
    cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
# Answers `dpkg-query -W -f='${Package}|${Status}|${Provides}\n'` from FAKE_DPKG_DB.
[ "$1 $2" = '-W -f=${Package}|${Status}|${Provides}\n' ] || exit 3
cat "$FAKE_DPKG_DB"
EOF
    chmod +x "$work/bin/dpkg-query"
    FAKE_DPKG_DB="$work/db" PATH="$work/bin:$PATH" bash "$script" --missing >"$work/missing"
    bash "$script" --list | grep -vxE 'nodejs|npm|git|make' >"$work/expected"
    diff -u "$work/expected" "$work/missing" || fail "the set-up would install other packages than the missing ones"
    echo "passed: installed and provided packages are left alone; removed, unpacked and unknown ones are installed"
    ;;
  *)
    echo "usage: deps-test.sh build-depends|present SOURCE_DIR" >&2
    exit 2
    ;;
esac
