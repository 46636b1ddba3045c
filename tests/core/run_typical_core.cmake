cmake_minimum_required(VERSION 3.22)
# Runs PROGRAM on SCRIPT in the current folder; every check of the script must
# hold, and the recorded print job must be the core form's image.
file(REMOVE core.rec)
execute_process(COMMAND ${PROGRAM} ${SCRIPT}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n--- stdout\n${output}--- stderr\n${errors}")
endif()
file(READ core.rec recording)
if(NOT recording STREQUAL "formimage Frmcore\nenddoc\n")
  message(FATAL_ERROR "the recording is not the core form's image\n${recording}")
endif()
