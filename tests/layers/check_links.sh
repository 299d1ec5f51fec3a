#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's program starts without the database and chart libraries: Qt SQL and Qt Charts come
# with the modules that need them, loaded on first use.
# Usage: check_links.sh PROGRAM GAMES_MODULE
set -eu
program=$1
games=$2
status=0
if ldd "$program" | grep -E 'libQt6(Sql|Charts)'; then
    echo "$program loads these at start-up"
    status=1
fi
if ! ldd "$games" | grep -q 'libQt6Sql'; then
    echo "$games does not bring Qt SQL"
    status=1
fi
if ldd "$games" | grep -E 'libQt6(Widgets|Charts)'; then
    echo "$games brings window libraries the record's file does not need"
    status=1
fi
exit $status
