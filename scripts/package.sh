#!/usr/bin/env bash
# Builds the Debian package (a release build without tests) and prints its path; with
# "windows", the Windows portable zip and installer (Qt for Windows built once, cached) and
# prints their paths; with "web", the page's folder, which any static web server can serve as it
# is, and prints its path.
# Usage: scripts/package.sh [BUILD_DIR] | scripts/package.sh windows [BUILD_DIR] | scripts/package.sh web
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = web ]; then
  ./scripts/setup.sh web
  export NODE_PATH=/usr/share/nodejs # for emscripten's tools, as in scripts/test.sh
  cmake --preset web >/dev/null
  cmake --build --preset web --target shipplanner_web >&2
  node web/build.mjs build-web/site build-web/web
  echo "$PWD/build-web/site"
  exit 0
fi
if [ "${1:-}" = windows ]; then
  qt=$(./scripts/setup.sh windows-gui)
  build=${2:-build-package-windows}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/x86_64-w64-mingw32-shared.cmake" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DSHIPPLANNER_TESTS=OFF -DSHIPPLANNER_BENCH=OFF -DSHIPPLANNER_FUZZ=OFF >/dev/null
  cmake --build "$build" >&2
  rm -f "$build"/shipplanner-*-windows-x64.*
  (cd "$build" && cpack >&2)
  ls "$build"/shipplanner-*-windows-x64.zip "$build"/shipplanner-*-windows-x64.exe
  exit 0
fi
./scripts/setup.sh
build=${1:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DSHIPPLANNER_TESTS=OFF -DSHIPPLANNER_BENCH=OFF -DSHIPPLANNER_FUZZ=OFF >/dev/null
cmake --build "$build" >&2
rm -f "$build"/shipplanner_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/shipplanner_*.deb
