# The window: everything that needs Qt Widgets. Each folder adds its own sources.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
qt_standard_project_setup()

add_library(quadrelle_ui STATIC)
target_include_directories(quadrelle_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quadrelle_ui PUBLIC quadrelle_engine Qt6::Widgets Qt6::PrintSupport)

add_subdirectory(shell)
add_subdirectory(board)
add_subdirectory(printing)
