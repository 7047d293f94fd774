# `make package`: a Debian package of everything cmake/Install.cmake installs, under /usr, with
# its dependencies worked out from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trommelquirl)
set(CPACK_PACKAGE_VENDOR ${TQ_DEVELOPER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TQ_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs are built with debug information, which the package leaves out.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TQ_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TQ_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin comes with libqt6gui6; only a Wayland desktop without XWayland needs
# Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
# The lines stay under 80 columns, as Debian asks of a description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "drum-shaped ball puzzle to play and solve
Five columns stand around a drum, filled with twenty-three balls in six
colours. The upper and the lower half of the drum turn, and the three long
columns slide. The puzzle is solved when every column shows one colour.
.
Trommelquirl is played from the numeric keypad: turn, slide, scramble, and
search for the moves that solve the position. Every solution found is kept
in a text file, so a position solved once is answered at once. The
command-line companion trommelquirl-cli plays, solves and checks positions
and the solutions file from a terminal.")

include(CPack)
