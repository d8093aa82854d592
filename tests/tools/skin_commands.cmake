# Runs the skin subcommands of the glavo tool and checks what they print.
execute_process(COMMAND ${GLAVO} layout --size 400x300 OUTPUT_VARIABLE out RESULT_VARIABLE rc)
file(READ ${EXPECTED} expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "glavo layout --size 400x300 printed:\n${out}\nexpected:\n${expected}")
endif()

execute_process(COMMAND ${GLAVO} theme ONYX OUTPUT_VARIABLE onyx RESULT_VARIABLE rc)
execute_process(COMMAND ${GLAVO} theme 0 OUTPUT_VARIABLE zero)
string(FIND "${onyx}" "#$#30#$#3#$#24#$#16777215" at)
if(NOT rc EQUAL 0 OR at EQUAL -1 OR NOT onyx STREQUAL zero)
  message(FATAL_ERROR "glavo theme ONYX printed: ${onyx}")
endif()

foreach(bad "theme;Aqua" "layout;--size;12x" "layout;--size;400x300;--theme;13"
            "skin;--theme-file;/nonexistent/theme.gwr;--size;300x200;-o;x.png"
            "skin;--theme;Onyx;--size;0x0;-o;x.png")
  execute_process(COMMAND ${GLAVO} ${bad} RESULT_VARIABLE rc ERROR_VARIABLE err)
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines count)
  if(NOT rc EQUAL 2 OR NOT count EQUAL 1)
    message(FATAL_ERROR "glavo ${bad}: exit ${rc}, stderr: ${err}")
  endif()
endforeach()

# The gallery is the committed one byte for byte: every theme's normal, over
# and down looks, so a changed look or theme value shows here. When a change
# is meant, `glavo gallery -o docs/gallery` writes the new reference.
file(REMOVE_RECURSE ${WORK}/gallery)
execute_process(COMMAND ${GLAVO} gallery -o ${WORK}/gallery RESULT_VARIABLE rc OUTPUT_QUIET)
file(GLOB references ${DOCS}/gallery/*.png)
list(LENGTH references count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 12)
  message(FATAL_ERROR "glavo gallery: exit ${rc}; ${count} reference images in ${DOCS}/gallery")
endif()
foreach(reference ${references})
  get_filename_component(name ${reference} NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${reference} ${WORK}/gallery/${name} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "glavo gallery: ${name} differs from docs/gallery/${name}")
  endif()
endforeach()
