#!/usr/bin/env bash
# Starts the game and closes its window COUNT times in a row under one X server: every
# start must open its window and every close end the game with status 0.
#   tests/start_loop.sh [BUILD] [COUNT]
set -euo pipefail
BUILD=${1:-build}
COUNT=${2:-100}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh

start_xvfb
slowest=0
for i in $(seq "$COUNT"); do
    started=$(now_ms)
    start_game
    opened=$(($(now_ms) - started))
    [ "$opened" -gt "$slowest" ] && slowest=$opened
    close_window
    expect_exit_0 3 "closing the window after start $i"
done
echo "start loop: $COUNT starts and closes, all status 0; slowest window ${slowest} ms"
