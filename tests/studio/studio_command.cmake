# glavo studio refuses bad options in one line with exit code 2, before it
# listens anywhere.
foreach(bad "studio;--port;99999" "studio;--port;80x" "studio;--port" "studio;--colour;red"
            "studio;--port;0;--page;/nonexistent/studio")
  execute_process(COMMAND ${GLAVO} ${bad} RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 10)
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines count)
  if(NOT rc EQUAL 2 OR NOT count EQUAL 1)
    message(FATAL_ERROR "glavo ${bad}: exit ${rc}, stderr: ${err}")
  endif()
endforeach()
execute_process(COMMAND ${GLAVO} studio --help RESULT_VARIABLE rc OUTPUT_VARIABLE out TIMEOUT 10)
if(NOT rc EQUAL 0 OR NOT out MATCHES "usage: glavo studio")
  message(FATAL_ERROR "glavo studio --help: exit ${rc}, printed: ${out}")
endif()
