# add_project_test(NAME SOURCES... LIBS...)
#   A GoogleTest executable, run by ctest (under wine in the cross build).
function(add_project_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;RESOURCES" ${ARGN})
  if(FUZZ)
    return()  # the fuzz build only builds fuzz targets
  endif()
  add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest)
  if(WIN32)
    target_link_libraries(${name} PRIVATE testsupport)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    # One wine prefix and one gateway service name for all: run them one by one.
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE TIMEOUT 1500)
  else()
    target_link_libraries(${name} PRIVATE gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  endif()
endfunction()

# add_fuzz_target(NAME SOURCES... LIBS...): a libFuzzer target of the fuzz build, run by
# ctest for a bounded number of inputs (label "fuzz").
function(add_fuzz_target name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name} -runs=200000 -max_len=600)
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()
