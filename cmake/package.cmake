# `cmake --build build --target package`: a Debian package of everything `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrelle)
set(CPACK_PACKAGE_VENDOR "Quadrelle")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku solver with a window and a batch command")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quadrelle solves 9x9 Sudoku puzzles. Type the givens into the window's grid: every digit is "
    "checked at once against its row, column and box, forced digits fill in by themselves, and "
    "Start Solving completes the board. quadrelle-solve runs the same engine over files of "
    "puzzles, one a line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quadrelle developers <quadrelle@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries come from the binaries (dpkg-shlibdeps); the window's layout is measured in
# Liberation Sans, which no binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)
