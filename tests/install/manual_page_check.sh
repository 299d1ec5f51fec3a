#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the manual page as man would and fails on any warning the formatter gives; skips (77)
# where man is not installed.
# Usage: manual_page_check.sh PAGE
set -eu
if ! command -v man >/dev/null 2>&1; then
    echo "man is not installed (Debian package man-db): the manual page is not checked"
    exit 77
fi
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 timeout 60 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "$warnings"
    exit 1
fi
echo "$1: formatted without warnings"
