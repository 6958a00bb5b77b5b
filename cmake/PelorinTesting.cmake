# GoogleTest from the Debian sources, compiled with the project's compiler
# (the cross compiler in the win build).
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Folder of test fixtures as the test program sees it: under Wine the Linux
# root is drive Z:.
if(PELORIN_WIN)
  set(PELORIN_TEST_DATA "Z:${PROJECT_SOURCE_DIR}/tests/data")
else()
  set(PELORIN_TEST_DATA "${PROJECT_SOURCE_DIR}/tests/data")
endif()

# pelorin_test(name [DISPLAY] SOURCES ... DEPS ...): one GoogleTest program
# (DISPLAY: it opens windows). Natively each
# test case is its own ctest entry; under Wine the whole program is one entry
# (one Wine process start instead of hundreds).
function(pelorin_test name)
  cmake_parse_arguments(ARG "DISPLAY" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} pelorin_test_support GTest::gtest_main pelorin_options)
  target_compile_definitions(${name} PRIVATE PELORIN_TEST_DATA="${PELORIN_TEST_DATA}"
                                             PELORIN_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if(PELORIN_WIN)
    add_test(NAME win.${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(win.${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS win)
    if(ARG_DISPLAY)
      # Programs that open windows share one display: run them one at a time.
      set_tests_properties(win.${name} PROPERTIES RESOURCE_LOCK wine_display)
    endif()
  else()
    gtest_discover_tests(${name} TEST_PREFIX "${PELORIN_SUITE_PREFIX}" DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endif()
endfunction()
