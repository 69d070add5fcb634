# A short soak as a test: the soak SOAK with seed SEED for FRAMES frames must
# end without a fault and print its summary line last. With REPLAY set it
# runs twice, and the two runs must print the same lines (the same seed plays
# the same game).
#
# With OUT set, the output of the (first) run is also written there, for
# soak_union.cmake.
#
#   cmake -DSOAK=... -DSEED=N -DFRAMES=M [-DREPLAY=1] [-DOUT=file] -P soak_check.cmake

function(run_soak out_var)
  execute_process(COMMAND ${SOAK} --seed ${SEED} --frames ${FRAMES}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "soak --seed ${SEED} --frames ${FRAMES} failed (${rc}):\n${out}\n${err}")
  endif()
  string(STRIP "${out}" out)
  string(REGEX MATCH "[^\n]*$" last "${out}")
  if(NOT last MATCHES "^frames ${FRAMES}, screens visited [0-9]+ of 30, saves [0-9]+, loads [0-9]+$")
    message(FATAL_ERROR "unexpected last line: '${last}'\n${out}")
  endif()
  # The memory figures differ from run to run; the rest must not.
  string(REGEX REPLACE "memory at frame [^\n]*\n?" "" played "${out}")
  set(${out_var} "${played}" PARENT_SCOPE)
  message("${out}")
endfunction()

if(OUT)
  file(REMOVE "${OUT}")
endif()
run_soak(first)
if(REPLAY)
  run_soak(second)
  if(NOT first STREQUAL second)
    message(FATAL_ERROR "the same seed played differently:\n${first}\n---\n${second}")
  endif()
endif()
if(OUT)
  file(WRITE "${OUT}" "${first}\n")
endif()
