#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test. Usage: scripts/test.sh [dev|asan|arm64]
# arm64 cross-builds with Debian's aarch64 toolchain and runs the tests under qemu-aarch64.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
./scripts/setup.sh "$([ "$preset" = arm64 ] && echo arm64)"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
if [ "$preset" = asan ]; then
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi
ctest --preset "$preset"
