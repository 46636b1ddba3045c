# Included by the checks that run a program: runs the command in the list RUN,
# keeps what it printed in `output` and `errors`, and ends the check with both
# unless it exits 0 (for a script: every check of the script held).
execute_process(COMMAND ${RUN}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n--- stdout\n${output}--- stderr\n${errors}")
endif()
