cmake_minimum_required(VERSION 3.22)
# Two runs of PROGRAM in a fresh folder WORKDIR: the first takes the design
# through every form and saves it (SAVE), the second starts afresh and opens
# it from the recent designs (REOPEN); both then run TAIL (dumps of every form,
# further edits, dumps again). Their standard output must be the same, and
# must show the edited winding table.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(READ ${SAVE} save)
file(READ ${REOPEN} reopen)
file(READ ${TAIL} tail)
file(WRITE ${WORKDIR}/first.cvs "${save}\n${tail}")
file(WRITE ${WORKDIR}/second.cvs "${reopen}\n${tail}")
foreach(run first second)
  execute_process(COMMAND ${PROGRAM} ${run}.cvs
    WORKING_DIRECTORY ${WORKDIR}
    OUTPUT_VARIABLE ${run}
    ERROR_VARIABLE ${run}_errors
    RESULT_VARIABLE ${run}_status)
  file(WRITE ${WORKDIR}/${run}.out "${${run}}")
  if(NOT ${run}_status EQUAL 0)
    message(FATAL_ERROR "${run} run: exit status ${${run}_status}\n${${run}}\n${${run}_errors}")
  endif()
endforeach()
if(NOT first MATCHES "Frmjiegou.TXTTURN\\(4\\) = \"30\"")
  message(FATAL_ERROR "the first run shows no edited winding table:\n${first}")
endif()
if(NOT first STREQUAL second)
  message(FATAL_ERROR "the reopened design differs: compare ${WORKDIR}/first.out and ${WORKDIR}/second.out")
endif()
