# Dumps the sound bank through the simulator and compares every buffer with
# the committed manifest of their SHA-256 hashes, so the Linux and the
# Windows build are held to the same bytes. After a deliberate change of a
# sound, regenerate with ZA_UPDATE_GOLDEN=1 and review the diff.
#
#   cmake -DRUN=<emulator or empty> -DSIM=<simulator> -DFOLDER=<dump folder>
#         -DMANIFEST=<committed manifest> -P compare_bank.cmake

file(REMOVE_RECURSE ${FOLDER})
execute_process(COMMAND ${RUN} ${SIM} --time 0 --bank ${FOLDER}
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the simulator failed with ${result}")
endif()

# The bank's buffers in bank order.
set(names BeatHighSound BeatLowSound)
foreach(k RANGE 15)
  list(APPEND names BangSound${k})
endforeach()
foreach(k RANGE 15)
  list(APPEND names FireSound${k})
endforeach()
list(APPEND names HyperspaceSound SaucerSound ThrustSound)

set(manifest "")
foreach(name IN LISTS names)
  set(path ${FOLDER}/${name}.u8)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "the simulator wrote no ${name}.u8")
  endif()
  file(SIZE ${path} size)
  file(SHA256 ${path} hash)
  string(APPEND manifest "${hash} ${size} ${name}\n")
endforeach()

if(DEFINED ENV{ZA_UPDATE_GOLDEN})
  file(WRITE ${MANIFEST} "${manifest}")
  message(STATUS "updated ${MANIFEST}")
  return()
endif()
file(READ ${MANIFEST} expected)
if(NOT manifest STREQUAL expected)
  file(WRITE ${FOLDER}/manifest.txt "${manifest}")
  execute_process(COMMAND diff -u ${MANIFEST} ${FOLDER}/manifest.txt OUTPUT_VARIABLE delta)
  message(FATAL_ERROR "the sound bank differs from ${MANIFEST}:\n${delta}")
endif()
