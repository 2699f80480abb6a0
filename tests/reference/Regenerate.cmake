# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the vector file again with the model (PYTHON, SOURCE: tests/reference) into MADE and compares it
# with the stored one byte for byte. -B keeps Python from writing its cache into the source tree.
execute_process(COMMAND ${PYTHON} -B ${SOURCE}/make_vectors.py ${MADE} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_vectors.py failed (${status}): ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${MADE} ${SOURCE}/vectors.txt RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "${MADE} differs from ${SOURCE}/vectors.txt: the model and the stored answers disagree")
endif()
