# Regenerates the battle tables into OUT and fails when any file the script
# writes differs from the one committed in SOURCE.
#   cmake -DPYTHON=python3 -DSOURCE=<repository> -DOUT=<folder> -P check_tables.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(
  COMMAND ${PYTHON} ${SOURCE}/tools/battlegen/make_battle_tables.py --out ${OUT}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_battle_tables.py failed (${status})")
endif()
file(GLOB_RECURSE written RELATIVE ${OUT} ${OUT}/*)
if(NOT written)
  message(FATAL_ERROR "make_battle_tables.py wrote nothing into ${OUT}")
endif()
set(stale "")
foreach(f IN LISTS written)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/${f} ${OUT}/${f}
    RESULT_VARIABLE differs)
  if(differs)
    list(APPEND stale ${f})
    execute_process(COMMAND diff -u ${SOURCE}/${f} ${OUT}/${f})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "not what make_battle_tables.py writes: ${stale}\n"
    "run python3 tools/battlegen/make_battle_tables.py and commit the result")
endif()
message(STATUS "the battle tables match their generator: ${written}")
