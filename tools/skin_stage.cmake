# A skinned form on the simulated desktop, shared by the glavo tool and the
# skin's scenario tests (native builds only).
if(NOT WIN32)
  file(GLOB SKIN_STAGE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/skin_stage/*.cpp)
  add_library(glavo_skin_stage STATIC ${SKIN_STAGE_SOURCES})
  target_include_directories(glavo_skin_stage PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/skin_stage)
  target_link_libraries(glavo_skin_stage PUBLIC glavo_skin glavo_soft)
  target_link_libraries(glavo PRIVATE glavo_skin_stage)
endif()
