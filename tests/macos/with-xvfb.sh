#!/usr/bin/env bash
# Runs a command on a private Xvfb display and takes the server down afterwards.
# The command runs under `timeout -k`: GNUstep's panel for an uncaught exception
# waits for a click forever and ignores SIGTERM, so only SIGKILL ends it.
# usage: with-xvfb.sh SECONDS COMMAND [ARG...]
set -euo pipefail
limit="$1"
shift
display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    display="$n"
    break
  fi
done
[ -n "$display" ] || { echo "with-xvfb: no free display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  if ! kill -0 "$server" 2>/dev/null; then echo "with-xvfb: Xvfb did not start" >&2; exit 1; fi
  sleep 0.05
done
status=0
DISPLAY=":$display" timeout -k 5 "$limit" "$@" </dev/null || status=$?
exit "$status"
