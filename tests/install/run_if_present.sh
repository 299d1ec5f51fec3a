#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a validator, or reports a skip (exit 77) when the tool is not installed.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
fi
exec "$@"
