# The window, in layers that link one way only (each links just the layer beneath it):
#   engine  <-  window kit  <-  grids, printing  <-  commands  <-  quadrelle_ui (Form1)  <-  quadrelle
# Each folder says which of its files belong to which layer.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
# Whether the print queue took a document is asked of CUPS itself.
find_package(Cups REQUIRED)
qt_standard_project_setup()

# Controls, colours, message boxes, the guard and its step runner: no commands, no grids.
add_library(quadrelle_window_kit STATIC)
target_link_libraries(quadrelle_window_kit PUBLIC quadrelle_engine Qt6::Widgets)

# The two grids and their entry boxes.
add_library(quadrelle_grids STATIC)
target_link_libraries(quadrelle_grids PUBLIC quadrelle_window_kit)

# The printed page, over any step runner and any source of grid contents.
add_library(quadrelle_printing STATIC)
target_link_libraries(quadrelle_printing PUBLIC quadrelle_window_kit Qt6::PrintSupport)
target_link_libraries(quadrelle_printing PRIVATE Cups::Cups)

# Entry validation, Clear, Start Solving and the print commands, each over its context.
add_library(quadrelle_commands STATIC)
target_link_libraries(quadrelle_commands PUBLIC quadrelle_grids quadrelle_printing)

# Form1 and the application: they build the contexts and hand each event on.
add_library(quadrelle_ui STATIC)
target_link_libraries(quadrelle_ui PUBLIC quadrelle_commands quadrelle_formats)

# Data files live in share/quadrelle; the program finds them from its own folder, so the
# layout is relative and any install prefix works.
include(GNUInstallDirs)
file(RELATIVE_PATH quadrelle_data_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quadrelle)
target_compile_definitions(quadrelle_ui PRIVATE QUADRELLE_DATA_FROM_BIN="${quadrelle_data_from_bin}")

add_subdirectory(shell)
add_subdirectory(board)
add_subdirectory(printing)
target_sources(quadrelle_commands PRIVATE solver/solve_command.cpp solver/solve_command.h)

qt_add_executable(quadrelle shell/main.cpp shell/display_check.cpp shell/display_check.h)
# The X display is tried before Qt starts, which would wait for ever on a silent one.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
target_link_libraries(quadrelle PRIVATE quadrelle_ui PkgConfig::XCB)
# The program looks for its hand pointer in its own folder first: the build tree's copy.
add_custom_command(TARGET quadrelle POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_CURRENT_SOURCE_DIR}/shell/resources/HAND-M.CUR $<TARGET_FILE_DIR:quadrelle>/HAND-M.CUR)

install(TARGETS quadrelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES shell/resources/HAND-M.CUR DESTINATION ${CMAKE_INSTALL_DATADIR}/quadrelle)
# The desktop entry and the software centre's metadata share one id, which the window also
# gives the desktop so it finds the entry's icon.
set(QUADRELLE_APP_ID org.quadrelle.quadrelle)
target_compile_definitions(quadrelle PRIVATE QUADRELLE_APP_ID="${QUADRELLE_APP_ID}")
configure_file(shell/resources/${QUADRELLE_APP_ID}.metainfo.xml.in
    ${CMAKE_CURRENT_BINARY_DIR}/${QUADRELLE_APP_ID}.metainfo.xml @ONLY)
install(FILES shell/resources/${QUADRELLE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${QUADRELLE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The puzzle file types the desktop entry names.
install(FILES shell/resources/quadrelle-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quadrelle.xml)
