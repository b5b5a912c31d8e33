#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test. Usage: scripts/test.sh [dev|asan|arm64|windows]
# arm64 cross-builds with Debian's aarch64 toolchain and runs the tests under qemu-aarch64;
# windows cross-builds the Qt-free core and its tests with MinGW-w64 and runs them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
case "$preset" in
  arm64|windows) ./scripts/setup.sh "$preset" ;;
  *) ./scripts/setup.sh ;;
esac
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
if [ "$preset" = windows ]; then
  # The Windows decoder is compared with what the Linux one makes of every byte sequence.
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target cp932_reference
  build/tests/cp932_reference build-windows/cp932-linux.bin
  # Wine makes its prefix on the first start, which takes longer than a test may: make it now.
  export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  /usr/lib/wine/wine64 wineboot --init
  /usr/lib/wine/wineserver -w
fi
if [ "$preset" = asan ]; then
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi
ctest --preset "$preset"
