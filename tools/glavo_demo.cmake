# glavo-demo.exe: a plain Win32 program whose window wears GlavoSkin through
# the system's ATL container window.
if(WIN32)
  file(GLOB DEMO_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/glavo-demo/*.cpp)
  add_executable(glavo-demo WIN32 ${DEMO_SOURCES})
  add_dependencies(glavo-demo glavowrap glavowrap_idl)
  set_target_properties(glavo-demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(glavo-demo PRIVATE ${CMAKE_BINARY_DIR}/src/server/generated)
  target_compile_definitions(glavo-demo PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_options(glavo-demo PRIVATE -municode -static -static-libgcc -static-libstdc++)
  target_link_libraries(glavo-demo PRIVATE ole32 oleaut32 uuid user32 gdi32)
endif()
