#!/usr/bin/env bash
# The real program in a real X server without a window manager: the title turns blue,
# space and "FIN" lead to the green island, a few steps and a door work, Esc ends with
# status 0; and closing the window in every phase ends the program at once with status 0.
# The keys come from the recorded whole quest, played in real time up to its marks.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh
QUEST=tests/replays/quest.replay

start_xvfb

# Esc during a step of the game ends the program through its quit fade.
start_game
play_replay "$QUEST" "" walking
key Escape
expect_exit_0 3 "Esc in the game"
echo "Esc in the game: status 0"

# Closing the window in each phase; on the way to the victory the title is blue, the
# island green, and the first door leads indoors.
for phase in title name-entry start-fade message walking curtains menu victory; do
    start_game
    if [ "$phase" = victory ]; then
        play_replay "$QUEST" "" title
        shot title
        read -r r g b < <(average title 0 560 120 40)
        [ "$b" -gt 150 ] && [ "$r" -lt 60 ] && [ "$g" -lt 60 ] || fail "the title is not blue: $r $g $b"
        echo "title: blue ($r $g $b)"
        play_replay "$QUEST" title island
        shot island
        read -r r g b < <(average island 0 0 751 600)
        [ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "the island is not green: $r $g $b"
        echo "island: green ($r $g $b)"
        play_replay "$QUEST" island door
        shot door
        read -r r2 g2 b2 < <(average door 0 0 751 600)
        [ "$g2" -lt "$g" ] || fail "the door led nowhere: the view stays $r2 $g2 $b2"
        echo "through the first door: $r2 $g2 $b2"
        play_replay "$QUEST" door victory
    else
        play_replay "$QUEST" "" "$phase"
    fi
    if [ "$phase" = message ] || [ "$phase" = victory ]; then
        # The message's yellow frame, left of its text.
        shot "$phase"
        read -r r g b < <(average "$phase" 8 20 6 80)
        [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 80 ] ||
            fail "no message shown at the $phase: $r $g $b"
    fi
    started=$(now_ms)
    close_window
    expect_exit_0 2 "closing the window during $phase"
    echo "closed during $phase: status 0 after $(($(now_ms) - started)) ms"
done
echo "e2e: all passed"
