# SPDX-License-Identifier: MIT
# Fails when a layer reaches above itself. The layers, bottom to top, are
# core/, platform/, controls/ and app/; a file may include from its own layer
# and those below it, with two narrowings:
#   - core/ is standard C++ only: no Qt include, no Qt link;
#   - platform/ and controls/ take from core/ only the shared vocabulary (the
#     error types and the integer conversion), never calculator code;
#   - the paths without a window (app/text/: maskwell_text and the
#     maskwell command) take from core/, each other and the standard and
#     system C++ headers only, and link no Qt library at all.
# Run with -DSOURCE_DIR=<tree> -DCORE_LINKS=<maskwell_core's link libraries>
# -DTEXT_LINKS=<maskwell_text's link libraries> -DTEXT_PROGRAM_LINKS=<maskwell's>.

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

# Which headers the text paths (every file in app/text/) may include: their
# own, the core's, and the standard library's and the system's (<string>,
# <unistd.h>, <sys/stat.h>).
file(GLOB text_sources "${SOURCE_DIR}/app/text/*.h" "${SOURCE_DIR}/app/text/*.cpp")
foreach(source IN LISTS text_sources)
  file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
    if(NOT header MATCHES "^(core/|app/text/|app/Version\\.h$|[a-z_/]+(\\.h)?$)")
      list(APPEND failures "${name} (a text path) includes ${header}")
    endif()
  endforeach()
endforeach()
foreach(links IN ITEMS "${TEXT_LINKS}" "${TEXT_PROGRAM_LINKS}")
  if(links MATCHES "Qt|maskwell_(platform|controls|advedit|app)")
    list(APPEND failures "a text path links more than the core: ${links}")
  endif()
endforeach()

if(CORE_LINKS MATCHES "Qt")
  list(APPEND failures "maskwell_core links Qt: ${CORE_LINKS}")
endif()

if(failures)
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "Layer rule broken:\n  ${report}")
endif()
message(STATUS "every layer includes only from below it")
