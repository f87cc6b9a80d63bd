# The window: everything that needs Qt Widgets. Each folder adds its own sources.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
qt_standard_project_setup()

add_library(quadrelle_ui STATIC)
target_include_directories(quadrelle_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quadrelle_ui PUBLIC quadrelle_engine Qt6::Widgets Qt6::PrintSupport)

# Data files live in share/quadrelle; the program finds them from its own folder, so the
# layout is relative and any install prefix works.
include(GNUInstallDirs)
file(RELATIVE_PATH quadrelle_data_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quadrelle)
target_compile_definitions(quadrelle_ui PRIVATE QUADRELLE_DATA_FROM_BIN="${quadrelle_data_from_bin}")

add_subdirectory(shell)
add_subdirectory(board)
add_subdirectory(printing)
# The window's side of the solver.
target_sources(quadrelle_ui PRIVATE solver/solve_command.cpp solver/solve_command.h)

qt_add_executable(quadrelle shell/main.cpp)
target_link_libraries(quadrelle PRIVATE quadrelle_ui)
# The program looks for its hand pointer in its own folder first: the build tree's copy.
add_custom_command(TARGET quadrelle POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_CURRENT_SOURCE_DIR}/shell/resources/HAND-M.CUR $<TARGET_FILE_DIR:quadrelle>/HAND-M.CUR)

install(TARGETS quadrelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES shell/resources/HAND-M.CUR DESTINATION ${CMAKE_INSTALL_DATADIR}/quadrelle)
install(FILES shell/resources/quadrelle.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 32 48 128 256)
    install(FILES shell/resources/quadrelle-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quadrelle.png)
endforeach()
