#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The board as a screen reader meets it: the game runs on a private X server (Xvfb) with its own
# D-Bus session and accessibility bus, and board_tree.py reads its AT-SPI tree and hears its
# events. Skipped (exit 77), with the reason, where any of those is not installed.
# Usage: run_atspi_test.sh KORVEX_PROGRAM
set -eu
program=$1
here=$(dirname "$0")
python=/usr/bin/python3
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
skip() {
    echo "skipped: $1"
    exit 77
}
command -v Xvfb >/dev/null 2>&1 || skip "no Xvfb (Debian package xvfb)"
command -v dbus-run-session >/dev/null 2>&1 || skip "no dbus-run-session (Debian package dbus)"
[ -n "$launcher" ] || skip "no AT-SPI bus launcher (Debian package at-spi2-core)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (Debian package python3-pyatspi)"

scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
# Xvfb picks a free display and writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || skip "Xvfb did not start: $(cat "$scratch/xvfb.log")"
DISPLAY=:$(cat "$scratch/display")
# The player's own settings and games stay untouched, and the game speaks English.
XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DISPLAY XDG_CONFIG_HOME XDG_DATA_HOME XDG_RUNTIME_DIR
export LANG=C LC_ALL=C LANGUAGE= QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- "$python" -u "$here/board_tree.py" "$program"
