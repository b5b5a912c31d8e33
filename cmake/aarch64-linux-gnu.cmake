# Debian's aarch64 cross toolchain against the multiarch arm64 libraries (qt6-base-dev:arm64
# and friends); the binaries run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# The multiarch loader from libc6:arm64 (-L /), never the cross toolchain's own sysroot: its
# libc's private ABI differs from the one the Qt libraries pull in, and the first
# pthread_create then spins for ever.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)
# moc and the other Qt tools come from the native Qt.
set(QT_HOST_PATH /usr CACHE PATH "")
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# The translation tools run on the build machine: take the native ones.
set(Qt6LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools CACHE PATH "")
