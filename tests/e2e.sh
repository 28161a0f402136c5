#!/usr/bin/env bash
# The real program in a real X server without a window manager: the window remembered
# between runs and the command line's choices of it; the title turns blue,
# space and "FIN" lead to the green island, a few steps and a door work, Esc ends with
# status 0; and closing the window in every phase ends the program at once with status 0.
# The keys come from the recorded whole quest, played in real time up to its marks.
# E2E_QUEST=door ends the longest run at the first door instead of the victory: the whole
# quest in real time is played once, on the desktop; elsewhere the recorded games' digests
# prove its logic and the timer measures its clock.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh
QUEST=tests/replays/quest.replay
LAST=${E2E_QUEST:-victory}

start_xvfb

# The window is remembered between runs: --scale 1 opens it at 751 x 600; left
# fullscreen, it opens fullscreen the next time, and --window brings the same window
# back. With no window manager to grant it, fullscreen is read from the game's trace.
GAME_ARGS="--scale 1" start_game env EPEE_TRACE="$E2E_WORK/trace"
[ "$(window_size)" = 751x600 ] || fail "--scale 1 opened a window of $(window_size)"
# With no graphics card the software renderer draws: a GL on the processor (Direct3D too,
# under Wine, which draws it with GL) spends ten times as long on each frame.
if ! compgen -G '/dev/dri/renderD*' >/dev/null; then
    grep -q ' renderer software$' "$E2E_WORK/trace" ||
        fail "no graphics card, yet the $(grep ' renderer ' "$E2E_WORK/trace")"
fi
# E2E_FULLSCREEN=no leaves fullscreen out where the X server's client cannot close it.
if [ "${E2E_FULLSCREEN:-yes}" = yes ]; then
    key F11
    sleep 0.3
    close_window
    expect_exit_0 2 "closing the fullscreen window"
    grep -qx fullscreen=1 "$SETTINGS_DIR/settings.ini" || fail "fullscreen not remembered"
    start_game env EPEE_TRACE="$E2E_WORK/trace"
    grep -q ' window fullscreen$' "$E2E_WORK/trace" || fail "the remembered fullscreen was not restored"
    close_window
    expect_exit_0 2 "closing the remembered fullscreen window"
    GAME_ARGS=--window start_game env EPEE_TRACE="$E2E_WORK/trace"
    grep -q ' window window$' "$E2E_WORK/trace" && [ "$(window_size)" = 751x600 ] ||
        fail "--window opened a window of $(window_size): $(grep window "$E2E_WORK/trace")"
    close_window
    expect_exit_0 2 "closing the remembered window"
    echo "window remembered: --scale 1, fullscreen, --window"
else
    close_window
    expect_exit_0 2 "closing the window"
    echo "--scale 1: 751 x 600"
fi
rm -rf "$SETTINGS_DIR"

# Esc during a step of the game ends the program through its quit fade.
start_game
play_replay "$QUEST" "" walking
key Escape
expect_exit_0 3 "Esc in the game"
echo "Esc in the game: status 0"

# Closing the window in each phase; on the way to the last the title is blue, the island
# green, and the first door leads indoors.
for phase in title name-entry start-fade message walking curtains menu "$LAST"; do
    start_game
    if [ "$phase" = "$LAST" ]; then
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
        [ "$LAST" = door ] || play_replay "$QUEST" door "$LAST"
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
