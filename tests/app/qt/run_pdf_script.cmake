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
execute_process(COMMAND ${PROGRAM} --script ${script_file}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n--- stdout\n${output}--- stderr\n${errors}")
endif()
if(NOT EXISTS ${PDF})
  message(FATAL_ERROR "no PDF written\n--- stdout\n${output}--- stderr\n${errors}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../../support/check_pdf_text.cmake)
