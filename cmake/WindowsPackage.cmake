# The Windows installation, flat as a portable folder: the programs, the DLLs they need beside
# them, Qt's plugins in the folders Qt looks for beside the program, the sample data, the
# documents and the licences. CPack makes the portable zip and the NSIS installer from it.

# Starts the program in the user's own data folder or the installed one; the Start menu calls it.
add_executable(shipplanner-launcher WIN32 packaging/windows/launcher.cpp)
target_link_options(shipplanner-launcher PRIVATE -municode)

install(TARGETS shipplanner shipplanner-check shipplanner-launcher RUNTIME DESTINATION .)
install(DIRECTORY data DESTINATION .)
install(FILES README.md README.ja.md LICENSE DESTINATION .)

# Qt as DLLs beside the program (LGPL: a user may put in other builds of them), with its
# licences and a note of the source and options it was built from.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix "${qt_core_dll}/../.." ABSOLUTE)
install(DIRECTORY "${qt_prefix}/licenses/" DESTINATION licenses/Qt)
# The toolchain's C++ runtime, which Qt and the programs share.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  install(FILES "${path}" DESTINATION .)
endforeach()
# Qt's and the toolchain's DLLs carry their symbols: stripped, the package is a third the size.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${dlls})
  endif()")

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_VERBATIM_VARIABLES ON) # values hold quotes and backslashes for NSIS
set(CPACK_PACKAGE_NAME shipplanner)
set(CPACK_PACKAGE_VENDOR "The Ship Build Planner developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan a ship build and read off its figures")
set(CPACK_PACKAGE_FILE_NAME "shipplanner-${PROJECT_VERSION}-windows-x64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Ship Build Planner")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# A 64-bit installer, in Program Files; the Start menu entry starts the launcher; the
# uninstaller takes away what was installed.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_EXECUTABLES shipplanner-launcher "造船計画")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME "Ship Build Planner")
set(CPACK_NSIS_DISPLAY_NAME "Ship Build Planner ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALLED_ICON_NAME shipplanner.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# CPack's uninstaller takes away its key under the vendor's but leaves that one, empty. (Its
# Start menu folder comes from another key, read before.)
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\\${CPACK_PACKAGE_INSTALL_DIRECTORY}\"
  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
include(CPack)
