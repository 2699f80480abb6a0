# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the English catalogue lacks a translation: lupdate, run on the tool's sources into a copy of it, leaves
# an entry unfinished for each text that is new, changed or not yet translated, and this names them.
# -DLUPDATE=lupdate -DSOURCES=the tool's folder -DCATALOGUE=velista-cli_en.ts -DWORK=a folder of its own
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${CATALOGUE}" "${WORK}/velista-cli_en.ts")
execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none -extensions cpp "${SOURCES}"
                        -ts "${WORK}/velista-cli_en.ts"
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${report}")
endif()
message(STATUS "${report}")
file(READ "${WORK}/velista-cli_en.ts" catalogue)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<[a-z]+>[^<]*</[a-z]+>[ \n]*)*<translation type=\"unfinished\""
       unfinished "${catalogue}")
list(LENGTH unfinished count)
if(count GREATER 0)
  string(REPLACE ";" "\n" unfinished "${unfinished}")
  message(FATAL_ERROR "${count} text(s) of velista-cli have no finished English translation; translate them in "
                      "cli/translations/velista-cli_en.ts (cmake --build --target velista_cli_parts_lupdate adds "
                      "them):\n${unfinished}")
endif()
