# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tool on the stored plain text and compares with the stored cipher text, byte for byte, and back.
# Called with CLI (the tool), DATA (tests/cli/data) and WORK (a scratch folder); for another system's build
# also EMULATOR (what runs its programs here) and ROOT (what comes before a path here for that system).
file(MAKE_DIRECTORY ${WORK})

function(run_tool)
  execute_process(COMMAND ${EMULATOR} ${CLI} ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "velista-cli ${ARGN} failed (${status}): ${errors}")
  endif()
endfunction()

function(expect_same actual expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${actual} ${expected} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${actual} differs from ${expected}")
  endif()
endfunction()

# LF and CR LF line breaks encrypt alike; decrypting gives the CR LF text.
foreach(plain plain.txt plain-lf.txt)
  run_tool(encrypt --rotors 01234 --key Ключ1 -o ${ROOT}${WORK}/${plain}.vls ${ROOT}${DATA}/${plain})
  expect_same(${WORK}/${plain}.vls ${DATA}/cipher.vls)
endforeach()
run_tool(decrypt --rotors 01234 --key Ключ1 -o ${ROOT}${WORK}/back.txt ${ROOT}${DATA}/cipher.vls)
expect_same(${WORK}/back.txt ${DATA}/plain.txt)
