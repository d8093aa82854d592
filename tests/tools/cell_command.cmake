# glavo cell: --flip wins over the record's own flip field, in both
# directions, and a record's flip shows when no option is given.
# Style 7 with an uneven split and four colours looks different upside down.
function(record flip out)
  set(${out} "1##0##0##3##3##1##1##0##False##0##255##65280##16711680##65535##7##${flip}##16777215##30"
      PARENT_SCOPE)
endfunction()

function(paint name flip_field)
  record(${flip_field} rec)
  execute_process(COMMAND ${GLAVO} cell --record ${rec} --size 60x40 ${ARGN} -o ${WORK}/${name}.png
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "glavo cell (${name}): exit ${rc}: ${err}")
  endif()
  file(SHA256 ${WORK}/${name}.png hash)
  set(${name} ${hash} PARENT_SCOPE)
endfunction()

paint(plain 0)
paint(upside_down 2)
paint(option_flips 0 --flip 2)
paint(option_unflips 2 --flip 0)

if(plain STREQUAL upside_down)
  message(FATAL_ERROR "the record's flip field changed nothing; the check cannot tell flips apart")
endif()
if(NOT option_flips STREQUAL upside_down)
  message(FATAL_ERROR "--flip 2 on a record with flip 0 did not paint the cell upside down")
endif()
if(NOT option_unflips STREQUAL plain)
  message(FATAL_ERROR "--flip 0 on a record with flip 2 did not paint the cell upright")
endif()

# glavo cell-sheet: every fill and border style as docs/cell-styles.png shows
# it, pixel for pixel, but for style 3's tile, which is random by design.
# When a change of look is meant, `glavo cell-sheet -o docs/cell-styles.png`.
execute_process(COMMAND ${GLAVO} cell-sheet -o ${WORK}/cell-styles.png RESULT_VARIABLE rc)
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/same_pixels.py ${DOCS}/cell-styles.png
                        ${WORK}/cell-styles.png 652 72 184 44 RESULT_VARIABLE differs OUTPUT_VARIABLE why)
if(NOT rc EQUAL 0 OR NOT differs EQUAL 0)
  message(FATAL_ERROR "glavo cell-sheet: exit ${rc}; against docs/cell-styles.png: ${why}")
endif()
