# Writes the manual page of a program from a section of the README, so that
# what the page says has one text: paragraphs stay paragraphs, "- " items
# become tagged paragraphs, `code` turns bold, examples indented by four
# blanks stay as they are, line by line. Without SECTION, PROGRAM,
# SUMMARY and SYNOPSIS it writes corvane-script's page from "Script driver".
#   cmake -DREADME=README.md -DOUTPUT=corvane-script.1 -DVERSION=x.y.z
#         [-DSECTION=… -DPROGRAM=… -DSUMMARY=… -DSYNOPSIS=…] -P readme_to_man.cmake
foreach(required README OUTPUT VERSION)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "readme_to_man.cmake needs -D${required}=...")
  endif()
endforeach()
if(NOT DEFINED SECTION)
  set(SECTION "Script driver")
  set(PROGRAM "corvane-script")
  set(SUMMARY "drive the Corvane transformer design forms from a script")
  set(SYNOPSIS "[ SCRIPT ...]")
endif()

file(READ "${README}" readme)
string(FIND "${readme}" "\n## ${SECTION}\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${README} has no \"## ${SECTION}\" section")
endif()
string(SUBSTRING "${readme}" ${start} -1 section)
string(LENGTH "\n## ${SECTION}\n" heading)
string(SUBSTRING "${section}" ${heading} -1 section)
string(FIND "${section}" "\n## " end)
if(NOT end EQUAL -1)
  string(SUBSTRING "${section}" 0 ${end} section)
endif()

# Text of one paragraph or item in roff: backslashes escaped first, then the
# code spans set bold with their hyphens as real minus signs (so that
# `expect-prop` can be copied from the page), and no line may start with a
# control character.
function(to_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  while(text MATCHES "`([^`]*)`")
    set(code "${CMAKE_MATCH_1}")
    string(REPLACE "-" "\\-" bold "${code}")
    string(REPLACE "`${code}`" "\\fB${bold}\\fR" text "${text}")
  endwhile()
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Blocks: paragraphs and items, each joined into one line.
string(REPLACE ";" "\\;" section "${section}")
string(REPLACE "\n" ";" lines "${section}")
set(blocks "")
set(current "")
set(kind "")
macro(finish_block)
  if(kind STREQUAL "verbatim")
    string(APPEND body ".PP\n.nf\n.RS 4\n${current}.RE\n.fi\n")
  elseif(NOT current STREQUAL "")
    to_roff("${current}" roff)
    string(APPEND body "${kind}\n${roff}\n")
  endif()
  set(current "")
  set(kind "")
endmacro()
set(body "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*$")
    finish_block()
  elseif(line MATCHES "^    (.*)$" AND (current STREQUAL "" OR kind STREQUAL "verbatim"))
    # an example indented by four blanks after a blank line: kept line by line
    set(kind "verbatim")
    string(REPLACE "\\" "\\e" code "${CMAKE_MATCH_1}")
    string(REPLACE "-" "\\-" code "${code}")
    if(code MATCHES "^[.']")
      set(code "\\&${code}")
    endif()
    string(APPEND current "${code}\n")
  elseif(line MATCHES "^- (.*)$")
    finish_block()
    set(kind ".IP \\(bu 2")
    set(current "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  +(.*)$" AND NOT current STREQUAL "")
    string(APPEND current " ${CMAKE_MATCH_1}")
  else()
    if(current STREQUAL "")
      set(kind ".PP")
      set(current "${line}")
    else()
      string(APPEND current " ${line}")
    endif()
  endif()
endforeach()
finish_block()

string(TOUPPER "${PROGRAM}" title)
string(REPLACE "-" "\\-" title "${title}")
string(REPLACE "-" "\\-" name "${PROGRAM}")
file(WRITE "${OUTPUT}" ".\\\" -*- coding: UTF-8 -*-
.\\\" Made from the README's \"${SECTION}\" section by readme_to_man.cmake.
.TH ${title} 1 \"\" \"corvane ${VERSION}\" \"User Commands\"
.SH NAME
${name} \\- ${SUMMARY}
.SH SYNOPSIS
.B ${name}
.RI ${SYNOPSIS}
.SH DESCRIPTION
${body}")
