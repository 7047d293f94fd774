#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, as `make install` and the package do, and checks
# what a user gets: exactly the files listed in EXPECTED, nothing of the tests or benchmarks;
# both programs start from there; the manual pages render without a warning and document
# every command the installed CLI lists; the bash completion completes; the CLI answers on
# qemu's baseline processor. Exits 77 (skipped) when groff is missing.
# Usage: install-test.sh BUILD_DIR EXPECTED VERSION TABLES (a cache directory with the optimal table)
set -euo pipefail
build=$1
expected=$2
version=$3
tables=$4

command -v groff >/dev/null || { echo "skipped: groff is not installed"; exit 77; }
source "$(dirname "$0")/../../scripts/scratch-folder.sh"
source "$(dirname "$0")/installed-programs.sh"

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log"
(cd "$root/usr" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/installed"
sort "$expected" >"$work/expected"
diff -u "$work/expected" "$work/installed" || fail "the installed files are not the expected ones"
[ -x "$root/usr/bin/trommelquirl" ] && [ -x "$root/usr/bin/trommelquirl-cli" ] || fail "a program is not executable"

cli="$root/usr/bin/trommelquirl-cli"
[ "$("$cli" --version)" = "trommelquirl-cli $version" ] || fail "--version says: $("$cli" --version)"
[ "$("$cli" -V)" = "trommelquirl-cli $version" ] || fail "-V says: $("$cli" -V)"
"$cli" explain 152 | tr -d '\r' | head -n 1 | grep -qx 'Oben rechts,' || fail "explain 152 says: $("$cli" explain 152)"

# Each desktop program starts from its installed place and keeps running until it is ended,
# and says that it has no display without one.
for program in $(desktop_programs "$root" bin); do
  XDG_DATA_HOME="" QT_QPA_PLATFORM=offscreen check_keeps_running "$program"
  check_without_display "$program"
done
check_on_oldest_processor "$cli" "$tables"

# So does the solver's window.
HOME="$work/home" QT_QPA_PLATFORM=offscreen "$root/usr/bin/trommelquirl-solver" >"$work/solver.log" 2>&1 &
solver_pid=$!
sleep 1
kill -0 "$solver_pid" 2>/dev/null || fail "the installed solver did not keep running: $(cat "$work/solver.log")"
kill "$solver_pid"

man_dir="$root/usr/share/man"
for page in "$man_dir/man1/trommelquirl-cli.1" "$man_dir/man6/trommelquirl.6" "$man_dir/man6/trommelquirl-solver.6"; do
  warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "$page: $warnings"
  if command -v man >/dev/null; then
    MANWIDTH=80 man -l "$page" 2>"$work/man.err" | grep -q '^NAME' || fail "man -l $page shows no NAME section"
    [ ! -s "$work/man.err" ] || fail "man -l $page: $(cat "$work/man.err")"
  fi
done
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "the installed CLI lists no commands"
for command in $commands; do
  grep -qx ".SS $command" "$man_dir/man1/trommelquirl-cli.1" || fail "the manual page has no section for $command"
done

# Completion as bash runs it: the words so far in COMP_WORDS, the candidates in COMPREPLY.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _trommelquirl_cli; echo "${COMPREPLY[*]}"' \
    completion "$root/usr/share/bash-completion/completions/trommelquirl-cli" trommelquirl-cli "$@"
}
[ "$(complete_words s)" = "solve scramble" ] || fail "completing 's' gives: $(complete_words s)"
[ "$(complete_words solve --)" = "--db --max-trials --stats --all-lines --help" ] || fail "completing 'solve --' gives: $(complete_words solve --)"
mkdir -p "$work/files" && touch "$work/files/Loesungen.txt"
[ "$(complete_words verify "$work/files/L")" = "$work/files/Loesungen.txt" ] || fail "verify does not complete file names"
[ "$(complete_words solve --db "$work/files/L")" = "$work/files/Loesungen.txt" ] || fail "--db does not complete file names"
[ -z "$(complete_words solve --max-trials "")" ] || fail "--max-trials offers completions"
echo "passed"
