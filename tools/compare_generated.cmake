# Runs a generator and compares what it writes byte for byte with the
# committed files.
#   -DGENERATOR=exe -DOUTPUT_DIR=dir -DCOMMITTED_DIR=dir -DNAMES="a.cpp;b.cpp"
#     runs `exe OUTPUT_DIR` (the generator writes every named file there);
#   add -DSINGLE_FILE=ON for a generator that takes the one file's path.
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
if(SINGLE_FILE)
  list(GET NAMES 0 only)
  execute_process(COMMAND ${GENERATOR} ${OUTPUT_DIR}/${only} RESULT_VARIABLE status)
else()
  execute_process(COMMAND ${GENERATOR} ${OUTPUT_DIR} RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generator failed (${status})")
endif()
set(differ "")
foreach(name ${NAMES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/${name} ${COMMITTED_DIR}/${name}
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differ ${name})
  endif()
endforeach()
if(differ)
  message(FATAL_ERROR "${COMMITTED_DIR} differs from a fresh run of the generator: ${differ}")
endif()
