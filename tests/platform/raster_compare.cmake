# Feeds a file of cases to the raster tool and compares what it prints, on
# standard output and standard error, and its exit status with the committed
# expectations.
#
#   cmake -DTOOL=<raster tool> -DCASES=<cases> -DEXPECTED=<expected output>
#         [-DEXPECTED_ERRORS=<expected error output>] -P raster_compare.cmake
#
# Without EXPECTED_ERRORS the tool must succeed and print nothing on standard
# error; with it, the tool must fail and print exactly that.

foreach(variable TOOL CASES EXPECTED)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "raster_compare.cmake needs -D${variable}=...")
  endif()
endforeach()

execute_process(
  COMMAND ${RUN} "${TOOL}"
  INPUT_FILE "${CASES}"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)

file(READ "${EXPECTED}" expected_output)
set(expected_errors "")
if(DEFINED EXPECTED_ERRORS)
  file(READ "${EXPECTED_ERRORS}" expected_errors)
endif()

set(failed FALSE)
if(NOT output STREQUAL expected_output)
  message(SEND_ERROR "standard output differs from ${EXPECTED}:\n${output}")
  set(failed TRUE)
endif()
if(NOT errors STREQUAL expected_errors)
  message(SEND_ERROR "standard error differs from what was expected:\n${errors}")
  set(failed TRUE)
endif()
if(DEFINED EXPECTED_ERRORS AND status EQUAL 0)
  message(SEND_ERROR "the tool succeeded although the cases hold malformed lines")
  set(failed TRUE)
elseif(NOT DEFINED EXPECTED_ERRORS AND NOT status EQUAL 0)
  message(SEND_ERROR "the tool failed with status ${status}")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "${CASES}: the raster tool's results differ")
endif()
