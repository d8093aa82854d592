# glavo-demo.exe: a plain Win32 program whose window wears GlavoSkin through
# the system's ATL container window; and the test containers that the native
# suite (tests/wine) runs under Wine against the real OCX: ATL's, and one
# that behaves as a VB6 form.
if(WIN32)
  file(GLOB DEMO_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/glavo-demo/*.cpp)
  add_executable(glavo-demo WIN32 ${DEMO_SOURCES})
  add_dependencies(glavo-demo glavowrap glavowrap_idl)
  set_target_properties(glavo-demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(glavo-demo PRIVATE ${CMAKE_BINARY_DIR}/src/server/generated)
  target_compile_definitions(glavo-demo PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_options(glavo-demo PRIVATE -municode -static -static-libgcc -static-libstdc++)
  target_link_libraries(glavo-demo PRIVATE ole32 oleaut32 uuid user32 gdi32)

  file(GLOB ACTIVEX_HOST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/activex_host/*.cpp)
  add_executable(glavo-activex-host ${ACTIVEX_HOST_SOURCES})
  add_dependencies(glavo-activex-host glavowrap glavowrap_idl)
  set_target_properties(glavo-activex-host PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(glavo-activex-host PRIVATE ${CMAKE_BINARY_DIR}/src/server/generated)
  target_compile_definitions(glavo-activex-host PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_options(glavo-activex-host PRIVATE -municode -static -static-libgcc -static-libstdc++)
  target_link_libraries(glavo-activex-host PRIVATE ole32 oleaut32 uuid user32 gdi32 psapi)

  file(GLOB VB_CONTAINER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/vb_container/*.cpp)
  add_executable(glavo-vb-container ${VB_CONTAINER_SOURCES})
  add_dependencies(glavo-vb-container glavowrap glavowrap_idl)
  set_target_properties(glavo-vb-container PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(glavo-vb-container PRIVATE ${CMAKE_BINARY_DIR}/src/server/generated)
  target_compile_definitions(glavo-vb-container PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_options(glavo-vb-container PRIVATE -municode -static -static-libgcc -static-libstdc++)
  target_link_libraries(glavo-vb-container PRIVATE ole32 oleaut32 uuid user32 gdi32)
endif()
