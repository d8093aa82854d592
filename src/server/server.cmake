# glavowrap.ocx: the COM in-process server of the GlavoSkin control.
#
# widl writes one type library per bitness (vtable offsets differ between
# -m32 and -m64) and the C++ declarations of the interfaces; the library is
# embedded as resource TYPELIB 1.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(GLAVO_WIDL_PREFIX x86_64-w64-mingw32)
  set(GLAVO_WIDL_BITS -m64)
else()
  set(GLAVO_WIDL_PREFIX i686-w64-mingw32)
  set(GLAVO_WIDL_BITS -m32)
endif()
find_program(GLAVO_WIDL ${GLAVO_WIDL_PREFIX}-widl REQUIRED)
# stdole2.tlb comes with Wine; the type library imports it.
find_path(GLAVO_STDOLE_DIR stdole2.tlb
  PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows
        /usr/lib/i386-linux-gnu/wine/i386-windows /usr/lib64/wine/x86_64-windows
  NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(GLAVO_IDL ${CMAKE_CURRENT_SOURCE_DIR}/idl/glavowrap.idl)
set(GLAVO_IDL_OUT ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${GLAVO_IDL_OUT})
# widl takes no help string on an enumeration constant; constant_help.py
# adds them (idl/constant_help.txt) to the compiled library.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_custom_command(
  OUTPUT ${GLAVO_IDL_OUT}/glavowrap.tlb ${GLAVO_IDL_OUT}/glavowrap_idl.h
  COMMAND ${GLAVO_WIDL} ${GLAVO_WIDL_BITS} -I ${CMAKE_CURRENT_SOURCE_DIR}/idl
          -L ${GLAVO_STDOLE_DIR} -t -o ${GLAVO_IDL_OUT}/glavowrap_widl.tlb ${GLAVO_IDL}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/idl/constant_help.py
          ${GLAVO_IDL_OUT}/glavowrap_widl.tlb ${CMAKE_CURRENT_SOURCE_DIR}/idl/constant_help.txt
          ${GLAVO_IDL_OUT}/glavowrap.tlb
  COMMAND ${GLAVO_WIDL} ${GLAVO_WIDL_BITS} -I ${CMAKE_CURRENT_SOURCE_DIR}/idl
          -h -o ${GLAVO_IDL_OUT}/glavowrap_idl.h ${GLAVO_IDL}
  DEPENDS ${GLAVO_IDL} ${CMAKE_CURRENT_SOURCE_DIR}/idl/oaidl.idl
          ${CMAKE_CURRENT_SOURCE_DIR}/idl/constant_help.py ${CMAKE_CURRENT_SOURCE_DIR}/idl/constant_help.txt
  COMMENT "Compiling the Glavowrap type library (${GLAVO_WIDL_BITS})"
  VERBATIM)
add_custom_target(glavowrap_idl DEPENDS ${GLAVO_IDL_OUT}/glavowrap.tlb ${GLAVO_IDL_OUT}/glavowrap_idl.h)

file(GLOB SERVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
set(GLAVO_SERVER_RC ${CMAKE_CURRENT_SOURCE_DIR}/glavowrap.rc)
set_source_files_properties(${GLAVO_SERVER_RC} PROPERTIES
  OBJECT_DEPENDS "${GLAVO_IDL_OUT}/glavowrap.tlb;${CMAKE_CURRENT_SOURCE_DIR}/toolbox.bmp")

add_library(glavowrap SHARED ${SERVER_SOURCES} ${GLAVO_SERVER_RC}
            ${CMAKE_CURRENT_SOURCE_DIR}/glavowrap.def)
add_dependencies(glavowrap glavowrap_idl)
set_target_properties(glavowrap PROPERTIES OUTPUT_NAME glavowrap PREFIX "" SUFFIX ".ocx"
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_include_directories(glavowrap PRIVATE ${GLAVO_IDL_OUT} ${GLAVO_SRC})
target_compile_definitions(glavowrap PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(glavowrap PRIVATE -static -static-libgcc -static-libstdc++)
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  # Undecorated stdcall exports, as regsvr32 looks them up by plain name.
  target_link_options(glavowrap PRIVATE -Wl,--kill-at,--enable-stdcall-fixup)
endif()
target_link_libraries(glavowrap PRIVATE glavo_win32 glavo_skin glavo_cell glavo_graphics)
target_link_libraries(glavowrap PRIVATE oleaut32 ole32 uuid advapi32 user32 gdi32 comctl32 comdlg32 uxtheme)

