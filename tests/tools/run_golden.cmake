# One golden test: qvn2m over FIXTURE.qvn (with FIXTURE.answers and
# FIXTURE.doc2 when they exist); its output must equal FIXTURE.m byte for
# byte, and its questions FIXTURE.questions when that file exists.
get_filename_component(name ${FIXTURE} NAME)
file(MAKE_DIRECTORY ${WORK})
set(args ${FIXTURE}.qvn)
if(EXISTS ${FIXTURE}.answers)
  list(APPEND args ${FIXTURE}.answers)
endif()
if(EXISTS ${FIXTURE}.doc2)
  list(APPEND args --with ${FIXTURE}.doc2)
endif()
execute_process(COMMAND ${QVN2M} ${args}
  OUTPUT_FILE ${WORK}/${name}.m
  ERROR_FILE ${WORK}/${name}.questions
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "qvn2m failed (${result}) on ${FIXTURE}.qvn")
endif()
foreach(kind m questions)
  if(kind STREQUAL "m" OR EXISTS ${FIXTURE}.${kind})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
      ${FIXTURE}.${kind} ${WORK}/${name}.${kind} RESULT_VARIABLE differs)
    if(differs)
      file(READ ${WORK}/${name}.${kind} got)
      message(FATAL_ERROR "${name}.${kind} differs from the golden file; qvn2m wrote "
                          "${WORK}/${name}.${kind}:\n${got}")
    endif()
  endif()
endforeach()
