# Runs PROGRAM with INPUT on standard input and fails unless its standard
# output equals EXPECTED byte for byte and it exits with status 0.
execute_process(COMMAND ${PROGRAM} INPUT_FILE ${INPUT} OUTPUT_FILE ${ACTUAL}
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${PROGRAM} exited with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ACTUAL} ${EXPECTED}
                RESULT_VARIABLE differ)
if(differ)
  file(READ ${ACTUAL} got)
  message(FATAL_ERROR "${PROGRAM}: output differs from ${EXPECTED}; got:\n${got}")
endif()
