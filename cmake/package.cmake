# `cmake --build build --target package`: a Debian package of everything `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrelle)
set(CPACK_PACKAGE_VENDOR "Quadrelle")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku solver with a window and a batch command")
# dpkg shows the description as it is: lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quadrelle solves 9x9 Sudoku puzzles. Type the givens into the window's grid:\n"
    "every digit is checked at once against its row, column and box, forced digits\n"
    "fill in by themselves, and Start Solving completes the board. quadrelle-solve\n"
    "solves, counts, rates and explains the puzzles of whole files (lines, grids,\n"
    "OpenSudoku, CSV) on every core, and makes new puzzles of a chosen rating. The\n"
    "Python module quadrelle gives Python programs the same engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A placeholder: whoever builds the package for a distribution puts their own name here.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quadrelle developers <quadrelle@example.org>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Not "games": Debian puts games in /usr/games, and this is a solver whose programs belong in
# /usr/bin beside other tools.
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# The libraries come from the binaries (dpkg-shlibdeps); the window's layout is measured in
# Liberation Sans, which no binary links, and the Python module is loaded by the interpreter it
# was built for, which it does not link either.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
if(QUADRELLE_PYTHON_DEPENDS)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${QUADRELLE_PYTHON_DEPENDS}")
endif()

include(GNUInstallDirs)
# What Debian asks of every package besides the programs: the licence in machine-readable
# form, a changelog compressed as dpkg compresses, and the reasons for lintian's remaining tags.
set(QUADRELLE_PACKAGE_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(debian_dir ${CMAKE_CURRENT_LIST_DIR}/debian)
configure_file(${debian_dir}/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
    COMMAND ${GZIP} -9nf -k changelog.Debian
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/debian
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian
    COMMENT "Compressing the package's changelog")
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quadrelle)
install(FILES ${debian_dir}/copyright ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${doc_dir})
install(FILES ${debian_dir}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME quadrelle)

include(CPack)
