#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a scratch directory and runs lintian on it: the package must
# draw no error and no warning (informational tags are shown, not failed), and it recommends
# Qt's translations. Skips (77) where
# lintian is not installed.
# Usage: lintian_package.sh CPACK_COMMAND BUILD_DIR
set -eu
cpack=$1
build=$2
if ! command -v lintian >/dev/null 2>&1; then
    echo "lintian is not installed (Debian package lintian): the package is not checked"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    exit 1
fi
set -- "$scratch"/korvex_*.deb
[ -f "$1" ] || { echo "cpack made no package"; cat "$scratch/cpack.log"; exit 1; }
# A German, French or Spanish game asks with Yes and No in its own language only where Qt's own
# translations are installed too.
recommends=$(dpkg-deb -f "$1" Recommends)
case "$recommends" in
    *qt6-translations-l10n*) ;;
    *) echo "the package does not recommend qt6-translations-l10n: $recommends"; exit 1 ;;
esac
# lintian's first run on a machine loads its whole profile from disk and can take minutes.
timeout 900 lintian --fail-on error,warning --display-info "$1"
echo "lintian: no errors, no warnings on $(basename "$1")"
