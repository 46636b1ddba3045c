# Writes the manual page of corvane-script from the README's "Script driver"
# section, so that the grammar has one text: paragraphs stay paragraphs,
# "- " items become tagged paragraphs, `code` turns bold.
#   cmake -DREADME=README.md -DOUTPUT=corvane-script.1 -DVERSION=x.y.z -P readme_to_man.cmake
foreach(required README OUTPUT VERSION)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "readme_to_man.cmake needs -D${required}=...")
  endif()
endforeach()

file(READ "${README}" readme)
string(FIND "${readme}" "\n## Script driver\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${README} has no \"## Script driver\" section")
endif()
string(SUBSTRING "${readme}" ${start} -1 section)
string(LENGTH "\n## Script driver\n" heading)
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
  if(NOT current STREQUAL "")
    to_roff("${current}" roff)
    string(APPEND body "${kind}\n${roff}\n")
  endif()
  set(current "")
endmacro()
set(body "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*$")
    finish_block()
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

file(WRITE "${OUTPUT}" ".\\\" -*- coding: UTF-8 -*-
.\\\" Made from the README's \"Script driver\" section by readme_to_man.cmake.
.TH CORVANE\\-SCRIPT 1 \"\" \"corvane ${VERSION}\" \"User Commands\"
.SH NAME
corvane\\-script \\- drive the Corvane transformer design forms from a script
.SH SYNOPSIS
.B corvane\\-script
.RI [ SCRIPT ...]
.SH DESCRIPTION
${body}")
