# "cpack -G DEB" in a build folder makes a Debian package of what "cmake --install" installs, under
# /usr. dpkg-shlibdeps (package dpkg-dev) fills in the libraries the programs link, Qt's among them.
set(CPACK_PACKAGE_NAME ringlace)
set(CPACK_PACKAGE_VENDOR "Ringlace developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loop puzzle: draw one closed loop through a grid of dots")
set(CPACK_PACKAGE_DESCRIPTION [=[
Ringlace is a loop puzzle: a grid of dots, some cells with a clue from 0 to 3,
and one closed loop to draw along the grid lines so that every clue cell has as
many loop edges as its clue says. Play, solve, create, export and print puzzles
in a window, or in bulk with ringlace-cli.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ringlace developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
