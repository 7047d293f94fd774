# Sourced by the end-to-end scripts: a scratch folder, an Xvfb display of their own, and
# cleanup of both and of the program on exit. Needs FIRST_DISPLAY set; sets work, xvfb_pid,
# program_pid (for the caller to fill), DISPLAY and a scratch HOME with no XDG_DATA_HOME.
source "$(dirname "${BASH_SOURCE[0]}")/scratch-folder.sh"

# A display number nobody uses, from FIRST_DISPLAY up.
display=$FIRST_DISPLAY
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"

# The default data directory under a scratch home.
export HOME="$work/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
