# Runs the simulator and compares its trace with the golden one.
execute_process(
  COMMAND ${SIM} --time ${TIME} --seed ${SEED} --args "${ARGS}" --script ${SCRIPT} --verbose ${VERBOSE}
  OUTPUT_FILE ${OUTPUT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the simulator failed with ${result}")
endif()
if(DEFINED ENV{ZA_UPDATE_GOLDEN})
  file(COPY_FILE ${OUTPUT} ${GOLDEN})
  message(STATUS "updated ${GOLDEN}")
  return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${GOLDEN} RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u ${GOLDEN} ${OUTPUT} OUTPUT_VARIABLE delta)
  string(SUBSTRING "${delta}" 0 4000 delta)
  message(FATAL_ERROR "the trace differs from ${GOLDEN}:\n${delta}")
endif()
