#!/usr/bin/env bash
# Runs a command on an X server (Xvfb) of its own and stops the server after it.
# Usage: with-xvfb.sh "SERVER ARGS" COMMAND [ARG...]
# The server picks a free display itself (-displayfd): tests that start at the same moment never
# share one, as they can with xvfb-run -a, which tries numbers before a server holds them.
set -euo pipefail
server_args=$1
shift
ready=$(mktemp)
# shellcheck disable=SC2086 # the server's arguments are words
Xvfb -displayfd 3 -nolisten tcp $server_args 3>"$ready" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 300); do
  [ -s "$ready" ] && break
  kill -0 "$server" 2>/dev/null || { echo "with-xvfb: the X server did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$ready" ] || { echo "with-xvfb: the X server did not start within 30 s" >&2; exit 1; }
status=0
env -u XAUTHORITY DISPLAY=":$(head -n 1 "$ready")" "$@" || status=$?
exit "$status"
