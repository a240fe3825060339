# Run after each build of a QTest binary (cmake -P): asks the binary for its
# test functions (-functions) and writes a ctest file with one entry each, so
# that every test function is run without being listed by hand.
#   TEST_EXECUTABLE  the binary          TEST_PREFIX  prefix of the entries' names
#   CTEST_FILE       the file written    TEST_TIMEOUT seconds for each entry
#   TEST_ENVIRONMENT NAME=VALUE items separated by "|"; @NAME@ in them is the
#                    test function's name ("functions" while listing them)
string(REPLACE "|" ";" environment "${TEST_ENVIRONMENT}")
string(REPLACE "@NAME@" "functions" listing_environment "${environment}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${listing_environment} ${TEST_EXECUTABLE} -functions
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} -functions failed (${status}):\n${errors}")
endif()
string(REPLACE "\n" ";" lines "${output}")
set(content "# Written by discover_qt_tests.cmake from ${TEST_EXECUTABLE} -functions.\n")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    set(name "${CMAKE_MATCH_1}")
    string(REPLACE "@NAME@" "${name}" test_environment "${environment}")
    string(APPEND content
      "add_test([==[${TEST_PREFIX}.${name}]==] [==[${TEST_EXECUTABLE}]==] [==[${name}]==])\n"
      "set_tests_properties([==[${TEST_PREFIX}.${name}]==] PROPERTIES\n"
      "  ENVIRONMENT [==[${test_environment}]==] TIMEOUT ${TEST_TIMEOUT})\n")
    math(EXPR count "${count} + 1")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "${TEST_EXECUTABLE} -functions printed an unexpected line: ${line}")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} -functions listed no test function")
endif()
file(WRITE "${CTEST_FILE}" "${content}")
