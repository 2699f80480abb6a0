# Installs the build into an empty prefix and checks that the program, its help pages, the tool, the
# desktop entry and the icons are where they belong, and that the program started through bin/ finds
# the folder of its pages.
#
# Arguments: BUILD (the build folder), PREFIX (a folder to install into), PROBE (a program that prints
# its own folder as the program sees it), PAGES (the page file names, ;-separated).

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program_dir "${PREFIX}/lib/velista")
foreach(file IN ITEMS
    lib/velista/velista
    bin/velista
    bin/velista-cli
    share/applications/velista.desktop
    share/icons/hicolor/16x16/apps/velista.png
    share/icons/hicolor/32x32/apps/velista.png
    share/icons/hicolor/48x48/apps/velista.png
    share/icons/hicolor/128x128/apps/velista.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
string(REPLACE "|" ";" PAGES "${PAGES}")
foreach(page IN LISTS PAGES)
  if(NOT EXISTS "${program_dir}/${page}")
    message(FATAL_ERROR "help page not beside the program: ${page}")
  endif()
endforeach()

if(NOT IS_SYMLINK "${PREFIX}/bin/velista")
  message(FATAL_ERROR "bin/velista is not a link")
endif()
file(READ_SYMLINK "${PREFIX}/bin/velista" target)
if(NOT target STREQUAL "../lib/velista/velista")
  message(FATAL_ERROR "bin/velista points to ${target}, not to a relative path into lib/velista")
endif()

file(READ "${PREFIX}/share/applications/velista.desktop" entry)
foreach(line IN ITEMS "Name=Велиста" "Exec=velista" "Icon=velista" "Categories=Education;")
  string(FIND "${entry}" "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

# A program started through a link like bin/velista sees the link's target folder as its own.
file(COPY "${PROBE}" DESTINATION "${program_dir}")
get_filename_component(probe_name "${PROBE}" NAME)
file(CREATE_LINK "../lib/velista/${probe_name}" "${PREFIX}/bin/${probe_name}" SYMBOLIC)
execute_process(COMMAND "${PREFIX}/bin/${probe_name}" OUTPUT_VARIABLE seen OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE result)
file(REAL_PATH "${program_dir}" expected)
if(NOT result EQUAL 0 OR NOT seen STREQUAL expected)
  message(FATAL_ERROR "started through bin/, the program looks in '${seen}' instead of '${expected}'")
endif()

file(REMOVE_RECURSE "${PREFIX}")
