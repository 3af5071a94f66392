# Runs the generator into OUTPUT_DIR and compares its files byte for byte with
# those in COMMITTED_DIR.
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${GENERATOR} ${OUTPUT_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generator failed (${status})")
endif()
set(differ "")
foreach(name lunar_year_table.cpp solar_term_table.cpp solar_term_time_table.cpp moon_phase_table.cpp)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/${name} ${COMMITTED_DIR}/${name}
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differ ${name})
  endif()
endforeach()
if(differ)
  message(FATAL_ERROR "calendar/data differs from a fresh run of the generator: ${differ}")
endif()
