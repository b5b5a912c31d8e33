#!/usr/bin/env bash
# Builds Qt for Windows (MinGW-w64, shared DLLs) from Debian's own qt6-base source, of the
# same version as the native host tools, once per machine, and prints the folder it is
# installed in. Any CMake build for Windows uses it with
#   -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32-shared.cmake -DCMAKE_PREFIX_PATH=<that folder>
# The cache is keyed by the source version and this script's options, so a second run returns
# at once. Needs what `scripts/setup.sh windows-gui` installs. Usage: scripts/qt-windows.sh
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/shipplanner"

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
# What the program does not use is left out; bundled third-party code keeps the DLLs
# self-contained. The wintab headers are not in Debian's tarball (no tablet events), and
# the Windows platform plugin needs OpenGL (dynamic: no library beyond the system's).
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
  -DFEATURE_system_textmarkdownreader=OFF
)
key=$(printf '%s\n' "$version" "${options[@]}" | cat - "$repo/cmake/x86_64-w64-mingw32.cmake" \
      "$repo/cmake/x86_64-w64-mingw32-shared.cmake" | sha256sum | cut -c1-12)
prefix="$cache/qt-${version%%+*}-mingw64-$key"
# Where a user gets the source of the DLLs the package holds, as the LGPL asks. Written on every
# run: its wording is not part of the key, and a cache keeps the latest one.
write_source_note() {
  mkdir -p "$prefix/licenses"
  {
    echo "Qt ${version%%+*} (Core, Gui, Widgets and the Windows platform and style plugins) is used under the"
    echo "GNU Lesser General Public License version 3 (LGPL-3.0-only.txt). These DLLs were built"
    echo "unchanged from Debian's source package qt6-base, version $version, which Debian's"
    echo "package tool fetches with: apt-get source qt6-base=$version"
    echo "They were built with MinGW-w64 and these options:"
    printf '  %s\n' "${options[@]}"
    echo "Put other builds of Qt6Core.dll, Qt6Gui.dll and Qt6Widgets.dll beside the program to use them."
  } > "$prefix/licenses/SOURCE.txt"
}
if [ -f "$prefix/.complete" ]; then
  write_source_note
  echo "$prefix"
  exit 0
fi

work="$cache/qt-build-$key"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources"
cd "$work"
# A private source list: the machine's own entries (whatever mirror or proxy they name) as
# deb-src, options and keys kept, from the files apt itself reads, one-line and deb822. The
# machine's apt configuration is left as it is.
eval "$(apt-config shell own_list Dir::Etc::SourceList/f own_parts Dir::Etc::SourceParts/d)"
for list in "$own_list" "$own_parts"*.list; do
  [ ! -f "$list" ] || sed -n -E 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$list"
done > apt/sources/own.list
for stanzas in "$own_parts"*.sources; do
  [ -f "$stanzas" ] || continue
  # One stanza a paragraph: those whose Types hold deb, whole, as deb-src alone.
  awk 'BEGIN { RS = ""; ORS = "\n" }
       { n = split($0, line, "\n"); out = ""; binary = 0
         for (i = 1; i <= n; i++) {
           if (tolower(line[i]) ~ /^types:/ && (" " substr(line[i], 7) " ") ~ /[ \t]deb[ \t]/) {
             line[i] = "Types: deb-src"; binary = 1
           }
           out = out line[i] "\n"
         }
         if (binary) print out }' "$stanzas"
done > apt/sources/own.sources
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt/sources"
          -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
          -o APT::Sandbox::User=root)
dsc="qt6-base_${version#*:}.dsc"
if [ ! -f "$dsc" ]; then
  echo "qt-windows: fetching Debian's qt6-base $version source" >&2
  # An archive that offers no sources makes the update fail; only the one package matters,
  # and `apt-get source` says whether it is found.
  apt-get -qq "${apt_opts[@]}" update >&2 || echo "qt-windows: some archives offer no sources" >&2
  apt-get -qq "${apt_opts[@]}" source --download-only "qt6-base=$version" >&2
fi
rm -rf src
# apt has checked the files against the archive's signed index; dpkg-source checks them
# against the .dsc (whose own signature needs a Debian keyring this machine may not have).
dpkg-source --require-strong-checksums -x "$dsc" src > extract.log 2>&1 || { cat extract.log >&2; exit 1; }

echo "qt-windows: configuring Qt $version for MinGW-w64 into $prefix" >&2
rm -rf build
started=$(date +%s)
cmake -S src -B build -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/x86_64-w64-mingw32-shared.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" > configure.log
echo "qt-windows: building (about half an hour on 2 cores)" >&2
cmake --build build > build.log
cmake --install build > install.log
# The toolchain's runtime DLLs beside Qt's, so that Wine and the package find one set.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$prefix/bin/"
done
mkdir -p "$prefix/licenses"
cp src/LICENSES/* "$prefix/licenses/"
write_source_note
echo "qt-windows: Qt built and installed in $(( $(date +%s) - started )) s" >&2
touch "$prefix/.complete"
# The sources and objects are not needed again.
rm -rf "$work/src" "$work/build"
echo "$prefix"
