# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build directory makes korvex_<version>_<arch>.deb
# from the same install rules that `cmake --install` follows.

set(CPACK_PACKAGE_NAME korvex)
set(CPACK_PACKAGE_VENDOR "The Korvex developers")
set(CPACK_PACKAGE_CONTACT "The Korvex developers <maintainers@korvex.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-player dice game with a thirteen-line score card")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_KORVEX_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_KORVEX_BINARIES games/korvex ${KORVEX_INSTALL_MODULEDIR}/korvex-games.so
                          ${KORVEX_INSTALL_MODULEDIR}/korvex-records.so)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_notes.cmake)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# Shared-library dependencies come from dpkg-shlibdeps; the fonts are named by the windows'
# layout and substituted at run time, so nothing links against them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver of Qt SQL is a plugin, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue, libqt6sql6-sqlite")
# Qt's Wayland platform plugin: without it the game still runs on a Wayland desktop, through
# XWayland, but not as a native client. Qt's own translations: without them the buttons of the
# message boxes (Yes, No, OK) stay English in a German, French or Spanish game.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis line is the summary above; this is the extended text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Korvex is a dice game for one player in a desktop window. A game has
thirteen turns; in each turn the player rolls five dice up to three
times, holds any of them between rolls, and scores them in one of the
thirteen categories of the card. The ten best totals are kept between
games.")

include(CPack)
