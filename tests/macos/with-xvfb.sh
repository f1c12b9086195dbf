#!/usr/bin/env bash
# Runs a command on a private Xvfb display and takes the server down afterwards.
# The command runs under `timeout -k`: GNUstep's panel for an uncaught exception
# waits for a click forever and ignores SIGTERM, so only SIGKILL ends it.
# usage: with-xvfb.sh SECONDS COMMAND [ARG...]
set -euo pipefail
limit="$1"
shift
work="$(mktemp -d)"
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb chooses a free display itself and reports its number, so parallel runs
# never share one.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
server=$!
display="$(timeout 20 head -n 1 "$work/display" || true)"
[ -n "$display" ] || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }

status=0
DISPLAY=":$display" timeout -k 5 "$limit" "$@" </dev/null || status=$?
exit "$status"
