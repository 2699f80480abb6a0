# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Windows build into an empty folder, as the zip and the installer hold it, and checks that
# the folder is complete and runs by itself: both programs, the help pages beside the program, Qt's and
# MinGW's libraries, the platform plugin and Qt's Russian texts; then, under Wine with no other library
# folder on its path, the tool answers and a Qt program placed there sees that folder as its own.
#
# Arguments: BUILD, PREFIX, PROBE, PAGES (;-separated names), EMULATOR.

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file IN ITEMS velista.exe velista-cli.exe LICENSE.txt qt.conf
                      Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
                      libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
                      plugins/platforms/qwindows.dll translations/qtbase_ru.qm)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
string(REPLACE "|" ";" PAGES "${PAGES}")
foreach(page IN LISTS PAGES)
  if(NOT EXISTS "${PREFIX}/${page}")
    message(FATAL_ERROR "help page not beside the program: ${page}")
  endif()
endforeach()

# Nothing from the build machine's folders: only the installed folder, where Windows looks first.
set(ENV{WINEPATH} "")
execute_process(COMMAND ${EMULATOR} "${PREFIX}/velista-cli.exe" --version
                OUTPUT_VARIABLE version RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT version MATCHES "^velista-cli [0-9]")
  message(FATAL_ERROR "the installed tool does not run by itself (${result}): ${version}")
endif()
file(COPY "${PROBE}" DESTINATION "${PREFIX}")
get_filename_component(probe_name "${PROBE}" NAME)
execute_process(COMMAND ${EMULATOR} "${PREFIX}/${probe_name}" OUTPUT_VARIABLE seen
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT seen STREQUAL "Z:${PREFIX}")
  message(FATAL_ERROR "a Qt program in the installed folder does not run by itself or looks in '${seen}' "
                      "instead of 'Z:${PREFIX}' (${result})")
endif()

file(REMOVE_RECURSE "${PREFIX}")
