# The Windows GUI build: the same toolchain, but programs share the toolchain's C++ runtime
# DLLs with Qt's DLLs, so that one runtime (one heap, one exception unwinder) serves both.
include(${CMAKE_CURRENT_LIST_DIR}/x86_64-w64-mingw32.cmake)
unset(CMAKE_EXE_LINKER_FLAGS_INIT)
