cmake_minimum_required(VERSION 3.22)
# Runs PROGRAM on SCRIPT in the current folder; every check of the script must
# hold, and the recorded parameter table must hold the example group line.
file(REMOVE typical.CVN typical.rec)
execute_process(COMMAND ${PROGRAM} ${SCRIPT}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n--- stdout\n${output}--- stderr\n${errors}")
endif()
file(READ typical.rec recording)
set(line "print 10 [0-9.]+ \"W1\" gap 3 \"电压:12V @ 2A\" gap 3 \"全桥电容\" gap 3 \"功率：40.3W\" gap 3 \"电解电容：5307uF-13269uF\" gap 3 \"空载电压：14.878V\"")
if(NOT recording MATCHES "${line}")
  message(FATAL_ERROR "the recording lacks the group line\n${recording}")
endif()
