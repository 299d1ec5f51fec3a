#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Includes point one way: each folder of src/ includes only itself and the folders its layer
# rests on. Every other include is named with its file, and fails the check.
# Usage: check_includes.sh SRC_DIR
set -eu
src=$1
found=$(mktemp)
trap 'rm -f "$found"' EXIT
# folder, then what it may include besides itself ("." is the generated version header)
while read -r folder allowed; do
    [ -d "$src/$folder" ] || { echo "no folder src/$folder" >>"$found"; continue; }
    for file in "$src/$folder"/*.h "$src/$folder"/*.cpp; do
        [ -f "$file" ] || continue
        for header in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
            dir=$(dirname "$header")
            ok=no
            for a in "$folder" $allowed; do [ "$dir" = "$a" ] && ok=yes; done
            [ $ok = yes ] || echo "src/${file#"$src"/} includes $header" >>"$found"
        done
    done
done <<'RULES'
core
coach core
record core
record/sqlite core record
review core coach record
practice core coach record review
ui .
ui/qt . ui
hiscores ui
about . core ui
board core coach record review ui hiscores about
record_windows core coach record review practice ui/qt
RULES
if [ -s "$found" ]; then
    echo "Includes against the layers:"
    cat "$found"
    exit 1
fi
