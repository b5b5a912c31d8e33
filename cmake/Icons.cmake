# The program's icon, drawn once in packaging/shipplanner.svg and rendered at build time: PNGs
# in the sizes the desktops use, as the Qt resource shipplanner_icons (:/icons/); for Windows
# also an .ico (SHIPPLANNER_ICO) for the programs' resources and the installer. Sets
# SHIPPLANNER_ICON_RESOURCE to the resource's source.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/packaging/shipplanner.svg)
set(icon_dir ${CMAKE_BINARY_DIR}/icons)
set(icon_pngs "")
set(qrc_files "")
foreach(size 16 24 32 48 64 128 256)
  set(png ${icon_dir}/shipplanner-${size}.png)
  add_custom_command(OUTPUT ${png} COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
                     DEPENDS ${icon_svg} VERBATIM)
  list(APPEND icon_pngs ${png})
  string(APPEND qrc_files "    <file alias=\"shipplanner-${size}.png\">${png}</file>\n")
endforeach()
# Written now: Qt reads the list of files from it when the build is configured.
file(CONFIGURE OUTPUT ${icon_dir}/shipplanner_icons.qrc
     CONTENT "<RCC>\n  <qresource prefix=\"/icons\">\n${qrc_files}  </qresource>\n</RCC>\n")
qt6_add_resources(SHIPPLANNER_ICON_RESOURCE ${icon_dir}/shipplanner_icons.qrc)

if(WIN32)
  find_program(ICOTOOL icotool REQUIRED)
  set(SHIPPLANNER_ICO ${icon_dir}/shipplanner.ico)
  # The largest size as PNG inside the .ico (Windows reads that since Vista), a fortieth of a bitmap.
  list(POP_BACK icon_pngs largest)
  add_custom_command(OUTPUT ${SHIPPLANNER_ICO}
                     COMMAND ${ICOTOOL} -c -o ${SHIPPLANNER_ICO} ${icon_pngs} --raw=${largest}
                     DEPENDS ${icon_pngs} ${largest} VERBATIM)
endif()
