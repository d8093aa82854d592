# glavo: the command-line tool of the software host (native builds only).
if(NOT WIN32)
  file(GLOB GLAVO_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/glavo/*.cpp)
  add_executable(glavo ${GLAVO_TOOL_SOURCES})
  target_link_libraries(glavo PRIVATE glavo_stage glavo_scene glavo_sim glavo_skin glavo_cell glavo_graphics)
endif()
