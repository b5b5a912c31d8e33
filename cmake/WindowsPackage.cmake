# The Windows installation, flat as a portable folder: the programs, the DLLs they need beside
# them, Qt's plugins in the folders Qt looks for beside the program, the sample data, the
# documents and the licences. CPack makes the portable zip and the NSIS installer from it.

# Starts the program in the user's own data folder or the installed one; the Start menu calls it.
add_executable(shipplanner-launcher WIN32 packaging/windows/launcher.cpp)
target_link_options(shipplanner-launcher PRIVATE -municode)

# Each program carries the icon and the version details Explorer shows: the project's version,
# the licence's copyright line.
enable_language(RC)
set(SHIPPLANNER_PRODUCT "Ship Build Planner")
set(SHIPPLANNER_PRODUCT_JA "造船計画") # as in the desktop entry on Linux
set(SHIPPLANNER_VENDOR "The Ship Build Planner developers")
file(STRINGS LICENSE SHIPPLANNER_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
function(shipplanner_program_resources target description)
  configure_file(packaging/windows/program.rc.in ${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES OBJECT_DEPENDS ${SHIPPLANNER_ICO})
endfunction()
shipplanner_program_resources(shipplanner "${SHIPPLANNER_PRODUCT}")
shipplanner_program_resources(shipplanner-check "${SHIPPLANNER_PRODUCT} data checker")
shipplanner_program_resources(shipplanner-launcher "${SHIPPLANNER_PRODUCT} launcher")

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
set(CPACK_PACKAGE_VENDOR "${SHIPPLANNER_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan a ship build and read off its figures")
set(CPACK_PACKAGE_FILE_NAME "shipplanner-${PROJECT_VERSION}-windows-x64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Ship Build Planner")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# A 64-bit installer, in Program Files; the Start menu entry starts the launcher; the
# uninstaller takes away what was installed. All show the program's icon.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${SHIPPLANNER_ICO}")
set(CPACK_NSIS_MUI_UNIICON "${SHIPPLANNER_ICO}")
set(CPACK_NSIS_INSTALLED_ICON_NAME shipplanner.exe)
# The installer speaks Japanese where Windows does, English elsewhere, and names the program as
# its desktop entry on Linux does, in the Start menu and the list of installed programs. The
# folder keeps one name, which the READMEs and a command prompt use.
set(CPACK_NSIS_PACKAGE_NAME "$(ShipPlannerName)")
set(CPACK_NSIS_DISPLAY_NAME "$(ShipPlannerName)")
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\$(ShipPlannerName).lnk\" \"$INSTDIR\\shipplanner-launcher.exe\"")
# Both names: Windows may speak another language by the time the program is removed.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete \"$SMPROGRAMS\\$MUI_TEMP\\${SHIPPLANNER_PRODUCT}.lnk\"
  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${SHIPPLANNER_PRODUCT_JA}.lnk\"")
# CPack's own installer script with its languages cut to these two and the texts in both.
file(READ "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in" nsis_template)
string(REGEX REPLACE "\"@CPACK_NSIS_PACKAGE_NAME@ is already installed\\.[^\"]*\"" "\"$(ShipPlannerInstalled)\""
       nsis_template "${nsis_template}")
string(REPLACE "\"Uninstall failed.\"" "\"$(ShipPlannerUninstallFailed)\"" nsis_template "${nsis_template}")
string(REGEX REPLACE "!insertmacro MUI_LANGUAGE \"English\"[^\n]*\n( *!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"\n)+" "\
!insertmacro MUI_LANGUAGE \"English\"
  !insertmacro MUI_LANGUAGE \"Japanese\"
  LangString ShipPlannerName \${LANG_ENGLISH} \"${SHIPPLANNER_PRODUCT}\"
  LangString ShipPlannerName \${LANG_JAPANESE} \"${SHIPPLANNER_PRODUCT_JA}\"
  LangString ShipPlannerInstalled \${LANG_ENGLISH} \"$(^Name) is already installed.$\\\\n$\\\\nDo you want to uninstall the old version before installing the new one?\"
  LangString ShipPlannerInstalled \${LANG_JAPANESE} \"$(^Name) はすでにインストールされています。$\\\\n$\\\\n新しい版をインストールする前に、古い版をアンインストールしますか？\"
  LangString ShipPlannerUninstallFailed \${LANG_ENGLISH} \"Uninstall failed.\"
  LangString ShipPlannerUninstallFailed \${LANG_JAPANESE} \"アンインストールできませんでした。\"
" nsis_template "${nsis_template}")
string(REGEX MATCHALL "MUI_LANGUAGE|ShipPlannerInstalled\\)|ShipPlannerUninstallFailed\\)" found "${nsis_template}")
if(NOT found STREQUAL "MUI_LANGUAGE;MUI_LANGUAGE;ShipPlannerInstalled);ShipPlannerUninstallFailed)")
  message(FATAL_ERROR "CMake's NSIS template (${CMAKE_ROOT}) is not as expected: ${found}")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${nsis_template}")
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# CPack's uninstaller takes away its key under the vendor's but leaves that one, empty. (Its
# Start menu folder comes from another key, read before.)
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\\${CPACK_PACKAGE_INSTALL_DIRECTORY}\"
  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
include(CPack)
