# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text of the window code has no finished entry in a catalogue: lupdate brings a copy of
# each catalogue up to date with the sources, and an entry it adds, or one whose source text changed,
# is marked unfinished. Run by ctest with LUPDATE, SOURCES (a file naming the sources, one a line),
# INCLUDE, CATALOGUES (name=lupdate options, the options separated by commas) and WORK.
file(MAKE_DIRECTORY "${WORK}")
set(failed "")
foreach(entry IN LISTS CATALOGUES)
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 file)
  list(LENGTH parts count)
  set(options "")
  if(count GREATER 1)
    list(GET parts 1 options)
    string(REPLACE "," ";" options "${options}")
  endif()
  get_filename_component(name "${file}" NAME)
  file(COPY_FILE "${file}" "${WORK}/${name}")
  execute_process(COMMAND "${LUPDATE}" -I "${INCLUDE}" -locations none -no-obsolete ${options} "@${SOURCES}"
                          -ts "${WORK}/${name}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
  endif()
  file(READ "${WORK}/${name}" text)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" unfinished "${text}")
  foreach(entry IN LISTS unfinished)
    string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" source "${entry}")
    string(APPEND failed "  ${name}: «${source}»\n")
  endforeach()
  # An entry with a line break (<byte …/>) in its source escapes the pattern above; count every one.
  string(REGEX MATCHALL "type=\"unfinished\"" marks "${text}")
  list(LENGTH marks marked)
  if(marked GREATER 0 AND failed STREQUAL "")
    string(APPEND failed "  ${name}: ${marked} entries\n")
  endif()
endforeach()
if(NOT failed STREQUAL "")
  message(FATAL_ERROR "Texts without a finished translation (run the target update_translations, then "
                      "translate them in the catalogue):\n${failed}")
endif()
