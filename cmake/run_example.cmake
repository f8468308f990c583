# Runs PROGRAM with INPUT on standard input and fails unless its standard
# output equals EXPECTED byte for byte, it exits with status 0 and it
# writes nothing to standard error.
execute_process(COMMAND ${PROGRAM} INPUT_FILE ${INPUT} OUTPUT_FILE ${ACTUAL}
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${PROGRAM} exited with ${status}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} wrote to standard error: ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ACTUAL} ${EXPECTED}
                RESULT_VARIABLE differ)
if(differ)
  file(READ ${ACTUAL} got)
  message(FATAL_ERROR "${PROGRAM}: output differs from ${EXPECTED}; got:\n${got}")
endif()
