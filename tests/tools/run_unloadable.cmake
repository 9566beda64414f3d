# qvn2m on a path that gives no flowchart (INPUT) must end with status 1, say
# so on standard error together with the loader's message (EXPECTED, a
# regular expression), and print no script.
execute_process(COMMAND ${QVN2M} ${INPUT}
  OUTPUT_VARIABLE script
  ERROR_VARIABLE questions
  RESULT_VARIABLE result)
if(NOT result STREQUAL "1")
  message(FATAL_ERROR "qvn2m ended with '${result}' instead of 1 on ${INPUT}:\n${questions}")
endif()
if(NOT questions MATCHES "${EXPECTED}")
  message(FATAL_ERROR "qvn2m did not say '${EXPECTED}' on ${INPUT}; it said:\n${questions}")
endif()
if(NOT script STREQUAL "")
  message(FATAL_ERROR "qvn2m printed a script for ${INPUT}:\n${script}")
endif()
