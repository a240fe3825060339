# The engine's folders include nothing of the window: no file in board/,
# methods/ or control/, nor an engine file of files/ and advice/, names a
# header of ui/. (The engine's build cannot reach ui/ either; this also
# covers the headers no engine source includes.) Nor do the command line's
# rate, generate and print, which build no window state. And the detectors'
# tests build a board model only: no methods_* test or its cases, nor the
# detector memory's, the recount's or their board-model support, includes a
# header of ui/ or the window's test support, or names the window state Form1.
#   cmake -DSOURCE_DIR=<src/core> -DCLI_DIR=<src/cli> [-DTEST_DIR=<tests/core>] -P engine_layers.cmake
file(GLOB_RECURSE engine_files
  ${SOURCE_DIR}/board/* ${SOURCE_DIR}/methods/* ${SOURCE_DIR}/control/* ${SOURCE_DIR}/util/*
  ${SOURCE_DIR}/files/scheme_format.* ${SOURCE_DIR}/files/puzzle_text.* ${SOURCE_DIR}/files/print_document.*
  ${SOURCE_DIR}/files/board_image.* ${SOURCE_DIR}/files/game_format.* ${SOURCE_DIR}/files/user_data.*
  ${SOURCE_DIR}/advice/trial_all.* ${SOURCE_DIR}/advice/trial_pairs.* ${SOURCE_DIR}/advice/trial_texts.*
  ${SOURCE_DIR}/advice/explanations.* ${SOURCE_DIR}/files/scheme_sheet.*
  ${CLI_DIR}/rate.* ${CLI_DIR}/generate.* ${CLI_DIR}/print.* ${CLI_DIR}/options.*)
set(faults "")
foreach(f ${engine_files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](\\.\\./)*ui/")
  if(lines)
    string(APPEND faults "\n  ${f}: ${lines}")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "engine files that include the window:${faults}")
endif()
list(LENGTH engine_files n)
message(STATUS "${n} engine files, none includes ui/")

if(DEFINED TEST_DIR)
  file(GLOB detector_tests
    ${TEST_DIR}/methods_*_test.cpp ${TEST_DIR}/methods_*_cases.h ${TEST_DIR}/detector_memory_test.cpp
    ${TEST_DIR}/candidates_test.cpp ${TEST_DIR}/board_support.h ${TEST_DIR}/control_schemes.h)
  list(LENGTH detector_tests n)
  if(n LESS 12)
    message(FATAL_ERROR "only ${n} detector test files found under ${TEST_DIR}")
  endif()
  set(faults "")
  foreach(f ${detector_tests})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]((\\.\\./)*ui/|test_support\\.h)|Form1")
    if(lines)
      string(APPEND faults "\n  ${f}: ${lines}")
    endif()
  endforeach()
  if(faults)
    message(FATAL_ERROR "detector tests that see the window:${faults}")
  endif()
  message(STATUS "${n} detector test files, none sees the window")
endif()
