cmake_minimum_required(VERSION 3.22)
# Runs PROGRAM on SCRIPT in the current folder; every check of the script must
# hold, and the recorded parameter table must hold the example group line.
file(REMOVE typical.CVN typical.rec)
set(RUN ${PROGRAM} ${SCRIPT})
include(${CMAKE_CURRENT_LIST_DIR}/../support/run_checked.cmake)
file(READ typical.rec recording)
set(line "print 15 [0-9.]+ \"W1\" gap 3 \"电压:12V @ 2A\" gap 3 \"全桥电容\" gap 3 \"功率：40.3W\" gap 3 \"电解电容：5307uF-13269uF\" gap 3 \"空载电压：14.878V\"")
if(NOT recording MATCHES "${line}")
  message(FATAL_ERROR "the recording lacks the group line\n${recording}")
endif()
