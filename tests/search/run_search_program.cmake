# corvane-search as a user runs it: a small search of the typical design to
# a CSV file, the replay of its best design run in corvane-script showing the
# row's figures, and the refusals (a bad option, a file it cannot read): one
# line on standard error, status 2, nothing written. With -DDEFAULT_SPACE=ON
# the search is the default one of the whole space, and only its best row's
# replay is checked.
#   cmake -DSEARCH=… -DSCRIPT=… -DMAKE_DESIGN=….cvs [-DDEFAULT_SPACE=ON] -P run_search_program.cmake
cmake_minimum_required(VERSION 3.22)  # empty CSV fields stay list elements
file(REMOVE typical.CVN best.csv refused.csv replay.cvs)
execute_process(COMMAND ${SCRIPT} ${MAKE_DESIGN} RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "the typical design could not be written (${made})")
endif()

if(DEFAULT_SPACE)
  set(space "")
  set(top 1)
else()
  set(space --laminations EI57,EI64,EI66 --flux 1.4:1.6:0.1 --density 4:5:0.5)
  set(top 3)
endif()
execute_process(COMMAND ${SEARCH} typical.CVN ${space} --csv best.csv --top ${top} --jobs 2
  RESULT_VARIABLE status ERROR_VARIABLE said)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the search ended with ${status}: ${said}")
endif()
message(STATUS "${said}")
file(STRINGS best.csv rows ENCODING UTF-8)
list(LENGTH rows count)
math(EXPR lines "${top} + 1")
if(NOT count EQUAL lines)
  message(FATAL_ERROR "a header and the best ${top} expected, got ${count} lines")
endif()
list(GET rows 0 header)
if(NOT header MATCHES "^id,rank,feasible,reason,lamination,stack_mm,grade,flux_T,density_A_mm2,bobbin,load_rise_C,enclosed_rise_C,noload_rise_C,total_loss_W,core_g,copper_kg,fill,cost_yuan")
  message(FATAL_ERROR "header: ${header}")
endif()
list(GET rows 1 best)
string(REPLACE "," ";" best "${best}")
list(GET best 0 id)
list(GET best 1 rank)
list(GET best 10 rise)
list(GET best 11 enclosed)
list(GET best 12 noload)
list(GET best 13 loss)
list(GET best 14 core)
list(GET best 15 copper)
list(GET best 17 cost)
if(NOT rank STREQUAL "1")
  message(FATAL_ERROR "the first row is ranked ${rank}")
endif()

# the best row's replay shows its figures in corvane-script
execute_process(COMMAND ${SEARCH} typical.CVN ${space} --replay ${id}
  RESULT_VARIABLE status OUTPUT_FILE replay.cvs)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "--replay ${id} ended with ${status}")
endif()
execute_process(COMMAND ${SCRIPT} replay.cvs RESULT_VARIABLE status OUTPUT_VARIABLE shown)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the replay ended with ${status}: ${shown}")
endif()
# every figure of the row, in the order the replay prints them
set(figures "Frmcore.txtwe = \"${core}g\"" "Frmjiegou.TxtCuWt = \"${copper}\""
            "Frmjiegou.TXTTEMP = \"${rise}℃\"" "Frmjiegou.Tp2 = \"${enclosed}℃\""
            "Frmjiegou.txtpLOST = \"${loss}W\"" "Frmjiegou.TXTTEMP = \"${noload}℃\""
            "FrmBomList.TxtMtCost = \"${cost}\"" "[information] 负载运行安全"
            "[information] 空载运行安全")
set(rest "${shown}")
foreach(figure IN LISTS figures)
  string(FIND "${rest}" "${figure}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the replay does not show ${figure} where expected:\n${shown}")
  endif()
  string(SUBSTRING "${rest}" ${at} -1 rest)
  string(LENGTH "${figure}" length)
  string(SUBSTRING "${rest}" ${length} -1 rest)
endforeach()
if(DEFAULT_SPACE)
  return()
endif()

# refusals: one line naming what is wrong, status 2, no file written
foreach(case "--top;0" "--flux;1:2" "--bogus" "missing.CVN" "replay.cvs")
  if(case MATCHES "CVN$|cvs$")
    set(arguments ${case} --csv refused.csv)
  else()
    set(arguments typical.CVN ${case} --csv refused.csv)
  endif()
  execute_process(COMMAND ${SEARCH} ${arguments}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE said)
  string(REGEX MATCHALL "\n" lines "${said}")
  list(LENGTH lines count)
  if(NOT status EQUAL 2 OR NOT count EQUAL 1 OR NOT said MATCHES "^corvane-search: ")
    message(FATAL_ERROR "${arguments}: status ${status}, said: ${said}")
  endif()
  if(EXISTS refused.csv OR NOT out STREQUAL "")
    message(FATAL_ERROR "${arguments}: something was written")
  endif()
endforeach()
