# The engine's folders include nothing of the window: no file in board/,
# methods/ or control/, nor an engine file of files/ and advice/, names a
# header of ui/. (The engine's build cannot reach ui/ either; this also
# covers the headers no engine source includes.) Nor do the command line's
# rate, generate and print, which build no window state.
#   cmake -DSOURCE_DIR=<src/core> -DCLI_DIR=<src/cli> -P engine_layers.cmake
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
