#!/usr/bin/env bash
# Starts the real program on a virtual X display, saves pictures of its window and closes it:
# docs/main-window.png right after start, docs/ship-tab.png after opening the first ship.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target shipplanner >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

./build/shipplanner &
app=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^MainForm$' | head -n 1)
sleep 0.5
mkdir -p docs
import -window "$win" docs/main-window.png

# Double-click the first entry of the ship list (it starts at the window's top left corner).
xdotool mousemove --window "$win" 30 5 click --repeat 2 --delay 80 1
sleep 0.7
import -window "$win" docs/ship-tab.png

kill "$app"; wait "$app" 2>/dev/null || true; app=""
echo "saved docs/main-window.png and docs/ship-tab.png"
