# Each layer is an object library that sees only its own folder and the layers it links:
# its include root holds a link to its folder alone, so an include that points up (or
# sideways into a layer it does not link) is not found and the build stops there.
function(shipplanner_layer name folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} OBJECT ${ARG_SOURCES})
  set(root "${CMAKE_BINARY_DIR}/layers/${name}")
  if(NOT EXISTS "${root}/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" RESULT linked SYMBOLIC)
    if(NOT linked EQUAL 0)
      # Without symbolic links (some Windows set-ups) the layers still build, unchecked.
      message(WARNING "layer ${name}: no symbolic link (${linked}); includes are not checked")
      set(root "${PROJECT_SOURCE_DIR}")
    endif()
  endif()
  target_include_directories(${name} PUBLIC "$<BUILD_INTERFACE:${root}>")
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()
