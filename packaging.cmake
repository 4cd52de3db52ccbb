# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack's DEB generator (scripts/package): carrelix_VERSION_ARCH.deb.
set(CARRELIX_MAINTAINER "Carrelix maintainers <maintainers@carrelix.example>" CACHE STRING
    "The package's Maintainer field")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME carrelix)
set(CPACK_PACKAGE_VENDOR "Carrelix")
set(CPACK_PACKAGE_CONTACT "${CARRELIX_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CARRELIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku grids to fill in from the keyboard, in French")
# CPack indents these lines and marks the empty one as Debian's paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Carrelix shows one 9x9 Sudoku grid of 81 cells that you fill in from the
keyboard. Each digit is checked against the rules at once: the same digit
may not appear twice in a row, a column or a 3x3 box. An accepted digit
stays and the cursor moves on to the next cell; a refused one is erased,
with a beep.

Grids are saved to and opened from small text files. The interface is in
French.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked: Qt's own French texts for the standard dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The Wayland platform plugin; without it Qt falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian asks of every package besides the program: its copyright and change log.
include(GNUInstallDirs)
set(CARRELIX_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/carrelix)
install(FILES debian/copyright DESTINATION ${CARRELIX_DOC_DIR})
set(CARRELIX_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${CARRELIX_CHANGELOG}
                   COMMAND gzip -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog > ${CARRELIX_CHANGELOG}
                   DEPENDS debian/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${CARRELIX_CHANGELOG})
install(FILES ${CARRELIX_CHANGELOG} DESTINATION ${CARRELIX_DOC_DIR})

include(CPack)
