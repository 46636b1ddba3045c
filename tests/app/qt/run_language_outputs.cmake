cmake_minimum_required(VERSION 3.22)
# Runs `PROGRAM --script` on TEMPLATE once in Chinese and once in English
# (<LANGUAGE> becomes the script's `language` line, <OUT> a folder of its
# own), then checks that the design file, the project file and the CSV are
# byte for byte the same, and that the English reports read back with
# pdftotext hold the English texts of the list TEXTS and none of the Chinese
# ones of the list CHINESE.
file(READ ${TEMPLATE} template)
foreach(language zh en)
  set(out ${FOLDER}/${language})
  file(REMOVE_RECURSE ${out})
  file(MAKE_DIRECTORY ${out})
  string(REPLACE "<LANGUAGE>" "language ${language}" script "${template}")
  string(REPLACE "<OUT>" "${out}" script "${script}")
  file(WRITE ${out}/outputs.cvs "${script}")
  set(RUN ${PROGRAM} --script ${out}/outputs.cvs)
  include(${CMAKE_CURRENT_LIST_DIR}/../../support/run_checked.cmake)
  set(transcript_${language} "${output}")
endforeach()
foreach(written design.CVN design.cvd bill.csv)
  foreach(language zh en)
    if(NOT EXISTS ${FOLDER}/${language}/${written})
      message(FATAL_ERROR "${language}: no ${written}\n${transcript_${language}}")
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    ${FOLDER}/zh/${written} ${FOLDER}/en/${written} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${written} written in English differs from the one written in Chinese")
  endif()
endforeach()
set(PDF ${FOLDER}/en/parameters.pdf ${FOLDER}/en/sheet.pdf ${FOLDER}/en/list.pdf)
set(ABSENT ${CHINESE})
set(DETAIL "${transcript_en}")
include(${CMAKE_CURRENT_LIST_DIR}/../../support/check_pdf_text.cmake)
# English colour codes are wider than the Chinese colours: the sheet's lead
# terminal cell ("UL1015 RD/RD") must still end clear of the wire type
# beside it, 6 pt (2 mm) at least, not the width of a space.
if(PDFTOTEXT)
  execute_process(COMMAND ${PDFTOTEXT} -bbox ${FOLDER}/en/sheet.pdf - OUTPUT_VARIABLE boxes)
  string(REGEX MATCH
    "xMax=\"([0-9]+)[.0-9]*\" yMax=\"[.0-9]+\">RD/RD</word>[ \n]*<word xMin=\"([0-9]+)[.0-9]*\"[^>]*>2UEW</word>"
    pair "${boxes}")
  if(NOT pair)
    message(FATAL_ERROR "the English sheet has no lead terminal cell beside a wire type:\n${boxes}")
  endif()
  math(EXPR gap "${CMAKE_MATCH_2} - ${CMAKE_MATCH_1}")
  if(gap LESS 6)
    message(FATAL_ERROR "the English lead terminal cell ends ${gap} pt before the wire type")
  endif()
endif()
