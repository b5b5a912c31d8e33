#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test. Usage: scripts/test.sh [dev|asan|arm64|windows|windows-gui|web]
# arm64 cross-builds with Debian's aarch64 toolchain and runs the tests under qemu-aarch64;
# windows cross-builds the Qt-free core and its tests with MinGW-w64 and runs them under Wine;
# windows-gui builds Qt for Windows once (cached), then the whole program and every test, and
# runs them under Wine on a virtual X display with a window manager; web builds the core with
# emscripten, runs its unit tests under Node, then the page's tests in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
if [ "$preset" = web ]; then
  ./scripts/setup.sh web
  # Packages come from the machine's own npm set-up: the lockfile names no address at all.
  if grep -n '://' web/package-lock.json; then
    echo "web/package-lock.json names an address; remove it (npm keeps funding links there)" >&2
    exit 1
  fi
  # Debian's emscripten runs its JavaScript tools with this machine's Node, which finds their
  # packages there.
  export NODE_PATH=/usr/share/nodejs
  cmake --preset web >/dev/null
  cmake --build --preset web
  ctest --preset web
  (cd web && npx tsc --noEmit -p .)
  node web/build.mjs build-web/site build-web/web build-web/web-tests
  exec node --test build-web/web-tests/*.test.js
fi
case "$preset" in
  arm64|windows) ./scripts/setup.sh "$preset" ;;
  windows-gui) SHIPPLANNER_QT_WINDOWS=$(./scripts/setup.sh windows-gui); export SHIPPLANNER_QT_WINDOWS ;;
  *) ./scripts/setup.sh ;;
esac
if [[ "$preset" = windows* ]]; then
  # Tools that run on this machine: the Linux decoder's reference for the Windows one to be
  # compared with, and the window manager's close for the end-to-end test.
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target cp932_reference wm_close
  mkdir -p "build-$preset"
  build/tests/cp932_reference "build-$preset/cp932-linux.bin"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
if [[ "$preset" = windows* ]]; then
  # Wine makes its prefix on the first start, which takes longer than a test may: make it now.
  export WINEPREFIX="$PWD/build-$preset/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  /usr/lib/wine/wineserver -k 2>/dev/null || true # one left over from a run that was stopped
  /usr/lib/wine/wine64 wineboot --init
  /usr/lib/wine/wineserver -w
  # Wine's services start with the first program and hold its output open until they end,
  # which would keep the first test running: start them now, silently, for the whole run.
  # Now and then Wine fails to start a program, which ends its test at once with no output:
  # such a test runs once more. A test that fails for real fails both times.
  session="/usr/lib/wine/wineserver -p && /usr/lib/wine/wine64 wineboot >/dev/null 2>&1 &&
           ctest --preset $preset --repeat until-pass:2; status=\$?; /usr/lib/wine/wineserver -k; exit \$status"
  if [ "$preset" = windows-gui ]; then
    # The GUI tests show real windows: on a virtual display, under a window manager (Wine
    # waits for one whenever it hides a window).
    exec tests/e2e/with-xvfb.sh "-screen 0 1024x768x24 -noreset" \
      bash -c "openbox >/dev/null 2>&1 & $session"
  fi
  exec bash -c "$session"
fi
if [ "$preset" = asan ]; then
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi
ctest --preset "$preset"
