# glavo-scene.exe: the scene through real GDI, for the comparison under Wine.
if(WIN32)
  add_executable(glavo-scene ${CMAKE_CURRENT_SOURCE_DIR}/glavo-scene/main.cpp)
  target_link_libraries(glavo-scene PRIVATE glavo_scene glavo_win32)
endif()

# glavo-win32-check.exe: checks of the Win32 backend that need real GDI; the
# native suite (tests/wine) runs it under Wine.
if(WIN32)
  file(GLOB WIN32_CHECK_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/win32/*.cpp)
  add_executable(glavo-win32-check ${WIN32_CHECK_SOURCES})
  target_link_libraries(glavo-win32-check PRIVATE glavo_win32)
endif()
