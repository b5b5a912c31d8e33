#!/usr/bin/env bash
# Starts the real program on a virtual X display, saves pictures of its window and closes it:
# docs/main-window.png right after start, docs/ship-tab.png after opening the first ship,
# docs/find-builds.png with the build finder answering the READMEs' worked query.
# With "windows", the Windows program under Wine (Qt's windows platform, a window manager on
# the display): docs/windows-main-window.png, docs/windows-ship-tab.png and
# docs/windows-find-builds.png. With "web", the page in headless Chromium: docs/web-desktop.png
# (1280 wide, a ship open), docs/web-phone.png (360 wide) and docs/web-find-builds-phone.png
# (360 wide, the finder answering the worked query).
# Usage: scripts/screenshot.sh [windows|web]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = web ]; then
  ./scripts/package.sh web >/dev/null
  node web/build.mjs build-web/site build-web/web build-web/web-tests
  exec node build-web/web-tests/screenshot.js
fi
prefix=docs/
if [ "${1:-}" = windows ]; then
  SHIPPLANNER_QT_WINDOWS=$(./scripts/setup.sh windows-gui)
  export SHIPPLANNER_QT_WINDOWS WINEPATH="Z:$SHIPPLANNER_QT_WINDOWS/bin" WINEDEBUG=-all
  export WINEPREFIX="$PWD/build-windows-gui/wine" WINEDLLOVERRIDES="mscoree,mshtml="
  cmake --preset windows-gui >/dev/null
  cmake --build --preset windows-gui --target shipplanner >/dev/null
  program=(/usr/lib/wine/wine64 build-windows-gui/shipplanner.exe)
  prefix=docs/windows-
else
  ./scripts/setup.sh
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target shipplanner >/dev/null
  program=(./build/shipplanner)
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app="" wm=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if [ "${1:-}" = windows ]; then
  openbox >/dev/null 2>&1 &
  wm=$!
  /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
fi

"${program[@]}" 2>/dev/null &
app=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name '^MainForm$' | head -n 1)
sleep 1
mkdir -p docs
import -window "$win" "${prefix}main-window.png"

# Double-click the first entry of the ship list (it starts at the window's top left corner).
xdotool mousemove --window "$win" 30 5 click --repeat 2 --delay 80 1
sleep 1
import -window "$win" "${prefix}ship-tab.png"

# The finder from the keyboard: at least 120 of both sails, 20 cabins, 10 gun ports, 150 hold.
xdotool key ctrl+f
finder=$(timeout 30 xdotool search --sync --onlyvisible --name 'ビルドを探す' | head -n 1)
sleep 1
xdotool key Tab Tab Tab; xdotool type 120
xdotool key Tab; xdotool type 120
xdotool key Tab Tab; xdotool type 20
xdotool key Tab; xdotool type 10
xdotool key Tab; xdotool type 150
sleep 1
import -window "$finder" "${prefix}find-builds.png"

kill "$app"; wait "$app" 2>/dev/null || true; app=""
echo "saved ${prefix}main-window.png, ${prefix}ship-tab.png and ${prefix}find-builds.png"
