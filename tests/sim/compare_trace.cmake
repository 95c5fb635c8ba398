# Runs the simulator in a fresh directory of its own and compares its trace
# with the golden one. With PRELUDE_SCRIPT, an earlier run in the same
# directory comes first, so the golden run starts with what it left behind
# (the score file).
set(directory ${OUTPUT}.dir)
file(REMOVE_RECURSE ${directory})
file(MAKE_DIRECTORY ${directory})

if(PRELUDE_SCRIPT)
  execute_process(
    COMMAND ${RUN} ${SIM} --time ${PRELUDE_TIME} --seed ${PRELUDE_SEED} --script ${PRELUDE_SCRIPT}
    WORKING_DIRECTORY ${directory}
    OUTPUT_FILE ${OUTPUT}.prelude
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the simulator's earlier run failed with ${result}")
  endif()
endif()

execute_process(
  COMMAND ${RUN} ${SIM} --time ${TIME} --seed ${SEED} --args "${ARGS}" --script ${SCRIPT} --verbose ${VERBOSE}
  WORKING_DIRECTORY ${directory}
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
