#!/bin/sh
# Runs a test program as an ordinary user, since permissions do not bind root: as nobody with
# no extra groups under setpriv when the test run is root's, as it is otherwise. Exits 77
# (skipped) when root has no setpriv.
if [ "$(id -u)" -ne 0 ]; then exec "$@"; fi
command -v setpriv >/dev/null || { echo "skipped: setpriv is not installed"; exit 77; }
exec setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
