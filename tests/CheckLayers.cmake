# SPDX-License-Identifier: MIT
# Fails when a layer reaches above itself. The layers, bottom to top, are
# core/, platform/, controls/ and app/; a file may include from its own layer
# and those below it, with two narrowings:
#   - core/ is standard C++ only: no Qt include, no Qt link;
#   - platform/ and controls/ take from core/ only the shared vocabulary (the
#     error types and the integer conversion), never calculator code;
#   - the paths without a window (TEXT_SOURCES, app/'s maskwell_text) take from
#     core/ and each other only, and link no GUI library.
# Run with -DSOURCE_DIR=<tree> -DCORE_LINKS=<maskwell_core's link libraries>
# -DTEXT_SOURCES=<maskwell_text's sources> -DTEXT_LINKS=<its link libraries>.

cmake_policy(VERSION 3.25)

set(shared_core "core/Error\\.h|core/DecimalValue\\.h")
set(failures "")

function(check_layer layer forbidden)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
      if(header MATCHES "${forbidden}" AND NOT header MATCHES "^(${shared_core})$")
        file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
        list(APPEND failures "${name} includes ${header}")
      endif()
    endforeach()
  endforeach()
  list(LENGTH sources count)
  message(STATUS "${layer}: ${count} files")
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_layer(core "^(Q|platform/|controls/|app/)")
check_layer(platform "^(core/|controls/|app/)")
check_layer(controls "^(core/|app/)")
# The designer plugin sits beside the program, on the controls.
check_layer(designer "^(core/|app/)")

# Which headers the text paths may include: their own, the core's, Qt Core's,
# the standard library's (no folder, no Q prefix) and the C library's and the
# system's own (unistd.h: no folder either).
set(text_headers "")
foreach(source IN LISTS TEXT_SOURCES)
  get_filename_component(name "${source}" NAME)
  list(APPEND text_headers "app/${name}")
endforeach()
foreach(source IN LISTS TEXT_SOURCES)
  if(IS_ABSOLUTE "${source}" OR NOT source MATCHES "\\.(h|cpp)$") # generated ones
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/app/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
    if(header MATCHES "^(core/|Q[A-Za-z]*$|[a-z_]+$|[a-z_]+\\.h$)" OR header IN_LIST text_headers)
      continue()
    endif()
    if(header STREQUAL "app/Version.h") # generated constants
      continue()
    endif()
    list(APPEND failures "app/${source} (a text path) includes ${header}")
  endforeach()
endforeach()
if(TEXT_LINKS MATCHES "Gui|Widgets|maskwell_(platform|controls|advedit|app)")
  list(APPEND failures "maskwell_text links more than the core and Qt Core: ${TEXT_LINKS}")
endif()

if(CORE_LINKS MATCHES "Qt")
  list(APPEND failures "maskwell_core links Qt: ${CORE_LINKS}")
endif()

if(failures)
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "Layer rule broken:\n  ${report}")
endif()
message(STATUS "every layer includes only from below it")
