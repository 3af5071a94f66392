# One static library per layer of the core, each linking only the layers
# below it, so a call that reaches upwards fails to link in that layer's
# tests. With LUNISOL_SANITIZED_TESTS every layer is built a second time
# (name_asan) under AddressSanitizer and UndefinedBehaviorSanitizer.

set(LUNISOL_SAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

# Maps a list of libraries to their sanitized twins where there is one.
function(lunisol_asan_names out)
  set(names)
  foreach(lib ${ARGN})
    if(lib MATCHES "^lunisol_")
      list(APPEND names ${lib}_asan)
    else()
      list(APPEND names ${lib})
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# lunisol_layer(name SOURCES a.cpp … DEPENDS lunisol_calendar …)
function(lunisol_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
  if(LUNISOL_SANITIZED_TESTS)
    lunisol_asan_names(deps ${L_DEPENDS})
    add_library(${name}_asan STATIC ${L_SOURCES})
    target_include_directories(${name}_asan PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name}_asan PRIVATE ${LUNISOL_SAN_FLAGS} -O1)
    target_link_options(${name}_asan PUBLIC ${LUNISOL_SAN_FLAGS})
    target_link_libraries(${name}_asan PUBLIC ${deps})
  endif()
endfunction()

# lunisol_layer_tests(name SOURCES a_test.cpp … DEPENDS lunisol_x …): a
# GoogleTest program and its test, plus the sanitized twin.
function(lunisol_layer_tests name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPENDS" ${ARGN})
  set(data_dir LUNISOL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  add_executable(${name} ${T_SOURCES})
  target_compile_definitions(${name} PRIVATE ${data_dir})
  target_link_libraries(${name} PRIVATE ${T_DEPENDS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/tests)
  if(LUNISOL_SANITIZED_TESTS)
    lunisol_asan_names(deps ${T_DEPENDS})
    add_executable(${name}_asan ${T_SOURCES})
    target_compile_options(${name}_asan PRIVATE ${LUNISOL_SAN_FLAGS} -O1)
    target_compile_definitions(${name}_asan PRIVATE ${data_dir})
    target_link_libraries(${name}_asan PRIVATE ${deps} GTest::gtest GTest::gtest_main)
    add_test(NAME ${name}_asan COMMAND ${name}_asan)
    set_tests_properties(${name}_asan PROPERTIES WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/tests
      ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1")
  endif()
endfunction()
