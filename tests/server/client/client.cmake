# The Windows test client of glavowrap.ocx, run under Wine by the native
# server tests. Built by the mingw presets next to the OCX.
file(GLOB SERVER_CLIENT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(glavo_server_client ${SERVER_CLIENT_SOURCES})
add_dependencies(glavo_server_client glavowrap_idl)
set_target_properties(glavo_server_client PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_include_directories(glavo_server_client PRIVATE ${GLAVO_IDL_OUT} ${GLAVO_SRC})
target_compile_definitions(glavo_server_client PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(glavo_server_client PRIVATE -municode)
target_link_libraries(glavo_server_client PRIVATE oleaut32 ole32 uuid advapi32 user32)
