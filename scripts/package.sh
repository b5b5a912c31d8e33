#!/usr/bin/env bash
# Builds the Debian package (a release build without tests) and prints its path.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build=${1:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DSHIPPLANNER_TESTS=OFF -DSHIPPLANNER_BENCH=OFF -DSHIPPLANNER_FUZZ=OFF >/dev/null
cmake --build "$build" >&2
rm -f "$build"/shipplanner_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/shipplanner_*.deb
