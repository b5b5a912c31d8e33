#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program on the shipped sample data; with
# "web", builds the page and serves it on 127.0.0.1 (PORT, default 8080) until stopped.
# Usage: scripts/run.sh | scripts/run.sh web [PORT]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = web ]; then
  site=$(./scripts/package.sh web)
  node web/build.mjs build-web/site build-web/web build-web/web-tests # the server
  echo "Serving the planner; stop with Ctrl+C." >&2
  exec node build-web/web-tests/serve-site.js "$site" "${2:-8080}"
fi
./scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target shipplanner
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "The program is built, but it needs a desktop (an X11 or Wayland display) to show its window." >&2
  echo "To see it without one, run ./scripts/screenshot.sh: it starts it on a virtual display and saves docs/main-window.png." >&2
  exit 1
fi
# The data files are found relative to the working directory: start from the repository root.
exec ./build/shipplanner
