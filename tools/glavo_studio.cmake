# The theme studio's server side (native builds only): a library of its own
# so that the tests can run it in-process; the glavo tool serves it.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CPP_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  find_package(nlohmann_json 3 REQUIRED)
  file(GLOB STUDIO_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/glavo/studio/*.cpp)
  add_library(glavo_studio STATIC ${STUDIO_SOURCES})
  target_include_directories(glavo_studio PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/glavo)
  target_link_libraries(glavo_studio PUBLIC glavo_stage glavo_skin glavo_cell glavo_sim
                        PkgConfig::CPP_HTTPLIB nlohmann_json::nlohmann_json)
  set(GLAVO_STUDIO_PAGE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/studio CACHE INTERNAL "the studio page's files")
  target_link_libraries(glavo PRIVATE glavo_studio)
  target_compile_definitions(glavo PRIVATE GLAVO_STUDIO_PAGE_DIR="${GLAVO_STUDIO_PAGE_DIR}")
endif()
