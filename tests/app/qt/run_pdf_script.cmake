cmake_minimum_required(VERSION 3.22)
# Runs `PROGRAM --script` on TEMPLATE with <PDF> replaced by PDF, then checks
# that the run succeeded, that the PDF exists, and (when pdftotext is
# installed) that its text holds every entry of the list TEXTS.
file(READ ${TEMPLATE} script)
string(REPLACE "<PDF>" "${PDF}" script "${script}")
get_filename_component(folder ${PDF} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(REMOVE ${PDF})
set(script_file ${PDF}.cvs)
file(WRITE ${script_file} "${script}")
set(RUN ${PROGRAM} --script ${script_file})
include(${CMAKE_CURRENT_LIST_DIR}/../../support/run_checked.cmake)
if(NOT EXISTS ${PDF})
  message(FATAL_ERROR "no PDF written\n--- stdout\n${output}--- stderr\n${errors}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../../support/check_pdf_text.cmake)
