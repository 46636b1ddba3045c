cmake_minimum_required(VERSION 3.22)
# Runs PROGRAM on SCRIPT in the current folder; every check of the script must
# hold, and the recorded print job must be the core form's image.
file(REMOVE core.rec)
set(RUN ${PROGRAM} ${SCRIPT})
include(${CMAKE_CURRENT_LIST_DIR}/../support/run_checked.cmake)
file(READ core.rec recording)
if(NOT recording STREQUAL "formimage Frmcore\nenddoc\n")
  message(FATAL_ERROR "the recording is not the core form's image\n${recording}")
endif()
