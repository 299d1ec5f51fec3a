# SPDX-License-Identifier: GPL-3.0-or-later
# Runs when installing: writes the launcher entry with the program's full path under the prefix
# being installed to, and installs it. The launcher names that path because /usr/games is not on
# every session's PATH (root's, for one), and the prefix is settled only now: cpack installs to
# /usr, `cmake --install` to its --prefix.
# Expects KORVEX_DESKTOP_SOURCE, KORVEX_DESKTOP_STAGING, KORVEX_INSTALL_GAMESDIR and
# KORVEX_INSTALL_APPLICATIONSDIR (relative to the prefix).

file(READ "${KORVEX_DESKTOP_SOURCE}" entry)
set(program "${CMAKE_INSTALL_PREFIX}/${KORVEX_INSTALL_GAMESDIR}/korvex")
string(REPLACE "\nExec=korvex\n" "\nExec=${program}\n" entry "${entry}")
if(NOT entry MATCHES "\nExec=${program}\n")
    message(FATAL_ERROR "${KORVEX_DESKTOP_SOURCE} has no line Exec=korvex to complete")
endif()

# A staging directory of this run's own: a package build and an install may run side by side.
string(RANDOM LENGTH 12 run)
get_filename_component(name "${KORVEX_DESKTOP_SOURCE}" NAME)
set(staged "${KORVEX_DESKTOP_STAGING}/${run}/${name}")
file(WRITE "${staged}" "${entry}")
file(INSTALL "${staged}"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${KORVEX_INSTALL_APPLICATIONSDIR}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(REMOVE_RECURSE "${KORVEX_DESKTOP_STAGING}/${run}")
