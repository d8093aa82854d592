# glavo-cell-styles.exe: every cell style through real GDI, for the
# comparison with the software host under Wine.
if(WIN32)
  add_executable(glavo-cell-styles ${CMAKE_CURRENT_SOURCE_DIR}/glavo-cell-styles/main.cpp)
  target_link_libraries(glavo-cell-styles PRIVATE glavo_cell glavo_win32 glavo_scene)
endif()
