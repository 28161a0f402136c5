#!/usr/bin/env bash
# One short run of the real program under valgrind memcheck: the title plays, then the
# window is closed. No error and no definite leak may show; tests/valgrind.supp silences
# only what lies in the system's X and SDL libraries.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh

start_xvfb
# The software renderer keeps the GL driver's own allocations out of the picture.
export SDL_RENDER_DRIVER=software
start_game valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --track-origins=no --keep-debuginfo=yes --suppressions=tests/valgrind.supp \
    --log-file="$E2E_WORK/valgrind.log"
sleep 4
close_window
status=0
for _ in $(seq 600); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
wait "$GAME_PID" || status=$?
GAME_PID=
cat "$E2E_WORK/valgrind.log"
[ "$status" = 0 ] || fail "valgrind: status $status"
echo "valgrind: no error, no definite leak"
