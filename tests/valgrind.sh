#!/usr/bin/env bash
# One short run of the real program under valgrind memcheck: the title plays, then the
# window is closed. No error and no definite leak may show; tests/valgrind.supp silences
# only what lies in the system's X and SDL libraries.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh

start_xvfb
# Under valgrind the window takes many times longer to open and the game to end.
START_SECONDS=60
# The software renderer keeps the GL driver's own allocations out of the picture.
export SDL_RENDER_DRIVER=software
start_game valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --track-origins=no --keep-debuginfo=yes --suppressions=tests/valgrind.supp \
    --log-file="$E2E_WORK/valgrind.log"
sleep 4
close_window
wait_for 60 "valgrind: the game is still running" eval '! game_running'
reap_game
cat "$E2E_WORK/valgrind.log"
[ "$GAME_STATUS" = 0 ] || fail "valgrind: status $GAME_STATUS"
echo "valgrind: no error, no definite leak"
