# glavo-scene.exe: the scene through real GDI, for the comparison under Wine.
if(WIN32)
  add_executable(glavo-scene ${CMAKE_CURRENT_SOURCE_DIR}/glavo-scene/main.cpp)
  target_link_libraries(glavo-scene PRIVATE glavo_scene glavo_win32)
endif()
