# Sourced by the test scripts: a scratch folder in `work`, removed on exit together with the
# program (program_pid) and the Xvfb server (xvfb_pid) the script started, if any; and `fail`.
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
