# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix and checks that the program, its help pages, the tool, the
# desktop entry, the icons, the manual pages and the package's documents are where they belong, and that the program started through bin/ finds
# the folder of its pages.
#
# Arguments: BUILD (the build folder), PREFIX (a folder to install into), PROBE (a program that prints
# its own folder as the program sees it), PAGES (the page file names, ;-separated), DESKTOP_FILE_VALIDATE
# (the validator, if found).

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program_dir "${PREFIX}/lib/velista")
set(id io.github.velista.Velista)
foreach(file IN ITEMS
    lib/velista/velista
    bin/velista
    bin/velista-cli
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/16x16/apps/${id}.png
    share/icons/hicolor/32x32/apps/${id}.png
    share/icons/hicolor/48x48/apps/${id}.png
    share/icons/hicolor/128x128/apps/${id}.png
    share/icons/hicolor/scalable/apps/${id}.svg
    share/man/man1/velista.1.gz
    share/man/man1/velista-cli.1.gz
    share/man/ru/man1/velista.1.gz
    share/man/ru/man1/velista-cli.1.gz
    share/doc/velista/copyright
    share/doc/velista/changelog.Debian.gz
    share/lintian/overrides/velista
    share/velista/screenshots/main-window.png
    share/velista/screenshots/path-window.png)
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

set(entry_file "${PREFIX}/share/applications/${id}.desktop")
file(READ "${entry_file}" entry)
foreach(line IN ITEMS "Name=Velista" "Name[ru]=Велиста" "Icon=${id}" "StartupWMClass=Velista"
                      "Categories=Education;ComputerScience;")
  string(FIND "${entry}" "\n${line}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry_file}" RESULT_VARIABLE result
                  OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
  if(NOT result EQUAL 0 OR NOT complaints STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${complaints}")
  endif()
endif()

# The menu starts the program by its full path, so it works where PREFIX/bin is not on the PATH
# (~/.local). Undo the entry's quoting: the string escape (\\ for \) first, then the Exec quotes.
if(NOT entry MATCHES "\nExec=([^\n]*)\n")
  message(FATAL_ERROR "the desktop entry has no Exec")
endif()
set(exec "${CMAKE_MATCH_1}")
if(exec MATCHES "^\"(.*)\"$")
  string(REPLACE "\\\\" "<backslash>" exec "${CMAKE_MATCH_1}")
  if(exec MATCHES "\\\\")
    message(FATAL_ERROR "the entry's Exec has a backslash its string escape does not double: ${exec}")
  endif()
  string(REPLACE "<backslash>" "\\" exec "${exec}")
  string(REGEX REPLACE "\\\\([\"`$\\\\])" "\\1" exec "${exec}")
endif()
string(REPLACE "%%" "%" exec "${exec}")
if(NOT exec STREQUAL "${PREFIX}/bin/velista")
  message(FATAL_ERROR "the menu starts '${exec}', not ${PREFIX}/bin/velista")
endif()

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
