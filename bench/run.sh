#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release, in build-bench) and prints every figure in one table: start-up
# and peak memory against a bare window, a category click through to the repaint, idle
# activity, and the coach's own figures.
#   KORVEX_BENCH_RUNS  start-up runs of each program (default 20)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
runs=${KORVEX_BENCH_RUNS:-20}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKORVEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target korvex_benchmarks >/dev/null

export QT_QPA_PLATFORM=offscreen
# The start-up bench opens the settings store as the game does: give it an empty one of its own,
# never the user's high-score table.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"

bin="$build/bench"
table() { awk -F '\t' '{ printf "%-72s %14s   %s\n", $1, $2, $3 }'; }

# Each program's rows go to a file first, so that a failing benchmark stops the script.
figures="$scratch/figures"
printf 'figure\tvalue\ttarget\n' >"$figures"
"$bin/korvex-bench-launch" "$runs" "$bin/korvex-startup-board" "$bin/korvex-bare-window" >>"$figures"
"$bin/korvex-click-bench" >>"$figures"
"$bin/korvex-statistics-bench" >>"$figures"
"$bin/korvex-record-wait-bench" >>"$figures"
table <"$figures"

for coach in "$bin"/coach_*; do
    [ -x "$coach" ] || continue
    echo
    echo "$(basename "$coach"):"
    "$coach" >"$scratch/coach"
    sed 's/^/    /' "$scratch/coach"
done
