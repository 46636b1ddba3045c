cmake_minimum_required(VERSION 3.22)
# Runs PROGRAM on SCRIPT and compares its standard output with the file
# EXPECTED (after replacing <SCRIPT> with the script path) and its exit
# status with STATUS.
execute_process(COMMAND ${PROGRAM} ${SCRIPT}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
string(REPLACE "<SCRIPT>" "${SCRIPT}" expected "${expected}")
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "stdout differs.\n--- expected\n${expected}--- got\n${output}--- stderr\n${errors}")
endif()
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n--- stderr\n${errors}")
endif()
