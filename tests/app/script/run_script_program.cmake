cmake_minimum_required(VERSION 3.22)
# Runs PROGRAM on SCRIPT and compares its standard output with the file
# EXPECTED (after replacing <SCRIPT> with the script path) and its exit
# status with STATUS.
# SCRIPT may be a list (a batch); INPUT, when given, is standard input.
set(input_option)
if(DEFINED INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${PROGRAM} ${SCRIPT}
  ${input_option}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
list(GET SCRIPT -1 last_script)
string(REPLACE "<SCRIPT>" "${last_script}" expected "${expected}")
string(REPLACE "<DIR>" "${CMAKE_CURRENT_LIST_DIR}" expected "${expected}")
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "stdout differs.\n--- expected\n${expected}--- got\n${output}--- stderr\n${errors}")
endif()
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n--- stderr\n${errors}")
endif()
