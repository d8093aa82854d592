# The demonstration scene, drawn only through DeviceContext and LineGS, so
# that every backend can render it.
file(GLOB GLAVO_SCENE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scene/*.cpp)
add_library(glavo_scene STATIC ${GLAVO_SCENE_SOURCES})
target_include_directories(glavo_scene PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/scene)
target_link_libraries(glavo_scene PUBLIC glavo_graphics glavo_host)
