# Sourced by the install and package tests, after scripts/scratch-folder.sh: checks of the
# installed programs, whatever programs the installed desktop entries name.
# desktop_programs ROOT BINDIR: the path of each program an entry under ROOT/usr starts.
desktop_programs() {
  local entry program
  for entry in "$1"/usr/share/applications/*.desktop; do
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry" | head -n 1)
    [ -x "$1/usr/$2/$program" ] || fail "$entry starts $program, which is not in usr/$2"
    echo "$1/usr/$2/$program"
  done
}

# check_without_display PROGRAM: one line on standard error and exit status 1.
check_without_display() {
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" "$1" >"$work/nodisplay.out" 2>"$work/nodisplay.err" ||
    status=$?
  [ "$status" = 1 ] || fail "$1 without a display exits with $status: $(cat "$work/nodisplay.err")"
  [ "$(wc -l <"$work/nodisplay.err")" = 1 ] && grep -q display "$work/nodisplay.err" ||
    fail "$1 without a display says: $(cat "$work/nodisplay.err")"
}

# check_keeps_running PROGRAM: it starts, with the environment as it is, and keeps running.
check_keeps_running() {
  HOME="$work/home" "$1" >"$work/program.log" 2>&1 &
  program_pid=$!
  sleep 2
  kill -0 "$program_pid" 2>/dev/null || fail "$1 did not keep running: $(cat "$work/program.log")"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

# check_on_oldest_processor CLI TABLES: the CLI under qemu's baseline x86-64 processor (no
# SSSE3, no POPCNT) answers a solve and an optimal question. TABLES is a cache directory
# that holds the optimal solver's table already, since building it emulated takes minutes.
check_on_oldest_processor() {
  local cli=$1 tables=$2 layout solution
  command -v qemu-x86_64 >/dev/null || fail "qemu-x86_64 is not installed (Debian's qemu-user)"
  local emulated=(qemu-x86_64 -cpu qemu64 "$cli")
  [ "$("${emulated[@]}" --version)" = "$("$cli" --version)" ] || fail "$cli --version fails on the baseline processor"
  layout=$("$cli" scramble --seed 19 --moves 6)
  solution=$("${emulated[@]}" solve --db "$work/emulated.txt" "$layout" | tail -n 1) ||
    fail "$cli solve fails on the baseline processor"
  [ "$solution" = "$("$cli" solve --db "$work/native.txt" "$layout" | tail -n 1)" ] ||
    fail "solve on the baseline processor gives $solution, unlike the native run"
  [ -f "$tables/trommelquirl/optimal-full.table" ] || fail "no optimal table in $tables/trommelquirl"
  layout=$("$cli" scramble --seed 19 --moves 40)
  solution=$(XDG_CACHE_HOME="$tables" "${emulated[@]}" optimal "$layout") || fail "$cli optimal fails on the baseline processor"
  [ "$solution" = "$(XDG_CACHE_HOME="$tables" "$cli" optimal "$layout")" ] ||
    fail "optimal on the baseline processor gives $solution, unlike the native run"
}
