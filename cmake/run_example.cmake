# Runs PROGRAM with INPUT on standard input and fails unless its standard
# output equals EXPECTED byte for byte, it exits with status 0 and it
# writes nothing to standard error. The environment variable
# SUITE_PROGRAM_DIR, when set, names the folder of the program instead (as
# for the GoogleTest suite).
if(DEFINED ENV{SUITE_PROGRAM_DIR} AND NOT "$ENV{SUITE_PROGRAM_DIR}" STREQUAL "")
  get_filename_component(name ${PROGRAM} NAME)
  set(PROGRAM $ENV{SUITE_PROGRAM_DIR}/${name})
endif()
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
