# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt Test program of the Windows build under Wine, offscreen, and prints its log if it fails.
# Takes EMULATOR, PROGRAM and LOG.
file(REMOVE "${LOG}")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" -platform offscreen -o "Z:${LOG},txt"
                RESULT_VARIABLE status)
if(EXISTS "${LOG}")
  file(READ "${LOG}" log)
else()
  set(log "(no log written)\n")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${status}):\n${log}")
endif()
string(REGEX MATCH "Totals: [^\n]*" totals "${log}")
message(STATUS "${totals}")
