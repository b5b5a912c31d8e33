#!/usr/bin/env bash
# Installs what building, testing and showing the program needs on Debian 12; with "arm64",
# also the aarch64 cross toolchain, qemu and the arm64 libraries of the arm64 leg; with
# "windows", MinGW-w64, Wine and GoogleTest's sources for the Windows leg; with "windows-gui" also
# a window manager for Wine's windows, NSIS, a reader of Windows version details, the Japanese
# locale (the installer speaks Japanese under it), and Qt for Windows, built once from Debian's
# source into a cache (scripts/qt-windows.sh), whose folder it prints; with "web", emscripten,
# Chromium and GoogleTest's sources for the WebAssembly leg, then the page's npm packages.
# Idempotent: returns at once when everything is present. Usage: scripts/setup.sh [arm64|windows|windows-gui|web]
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-ipafont-gothic fontconfig
  xvfb xauth x11-utils xdotool imagemagick libxcb1-dev
  desktop-file-utils appstream
  dpkg-dev file lintian
  librsvg2-bin icoutils
)
ARM64_PACKAGES=(
  g++-aarch64-linux-gnu qemu-user
  libc6:arm64 qt6-base-dev:arm64 libgl-dev:arm64
  libgtest-dev:arm64 libgmock-dev:arm64 libbenchmark-dev:arm64 libxcb1-dev:arm64
)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 googletest)
WINDOWS_GUI_PACKAGES=("${WINDOWS_PACKAGES[@]}" openbox nsis libimage-exiftool-perl locales)
WEB_PACKAGES=(emscripten chromium googletest nodejs)

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

wanted=("${PACKAGES[@]}")
if [ "${1:-}" = arm64 ]; then
  wanted+=("${ARM64_PACKAGES[@]}")
  if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    echo "setup: adding the arm64 architecture" >&2
    $SUDO dpkg --add-architecture arm64
  fi
elif [ "${1:-}" = windows ]; then
  wanted+=("${WINDOWS_PACKAGES[@]}")
elif [ "${1:-}" = windows-gui ]; then
  wanted+=("${WINDOWS_GUI_PACKAGES[@]}")
elif [ "${1:-}" = web ]; then
  wanted+=("${WEB_PACKAGES[@]}")
  # Some Node.js builds bring npm along; Debian's own needs its npm package.
  command -v npm >/dev/null || wanted+=(npm)
fi

# dpkg-query prints one status per installed architecture; "pkg:arm64" asks for that one
# alone, a plain name for any (the native one, or "all").
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -qx 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ "${1:-}" = windows-gui ]; then
  if ! locale -a | grep -qx 'ja_JP.utf8'; then
    echo "setup: generating the ja_JP.UTF-8 locale" >&2
    grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
  exec "$(dirname "$0")/qt-windows.sh"
fi
if [ "${1:-}" = web ]; then
  # The page's packages, exactly as the lockfile pins them; again only when it changed.
  web="$(dirname "$0")/../web"
  if [ ! -d "$web/node_modules" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    echo "setup: installing the page's npm packages" >&2
    (cd "$web" && npm ci --no-audit --no-fund >&2)
  fi
fi
