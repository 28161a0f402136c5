#!/usr/bin/env bash
# The real program in Xvfb with the player's keys: a settings file moves the arrows to
# ZQSD, the action to Enter and the menu to Tab, and holds one bad line. The game warns of
# that line alone, plays the recorded quest's keys through the moved ones to the green
# island, opens the menu with Tab, and leaves the player's lines in the file it saves.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh
QUEST=tests/replays/quest.replay

# The quest's keys as this player presses them.
x_key() {
    case "$1" in
    Up) echo z ;;
    Down) echo s ;;
    Left) echo q ;;
    Right) echo d ;;
    Space) echo Return ;;
    M) echo Tab ;;
    *) echo "${1,,}" ;;
    esac
}

start_xvfb
mkdir -p "$SETTINGS_DIR"
keys='[touches]
haut = Z
bas = S
gauche = Q
droite = D
action = Return
menu = Tab
bleu = Flèche'
printf '%s\n' "$keys" >"$SETTINGS_DIR/settings.ini"

start_game
expected="epee: $SETTINGS_DIR/settings.ini: [touches] bleu = Flèche: no key is named \"Flèche\"; bleu keeps B"
[ "$(cat "$E2E_WORK/game.err")" = "$expected" ] ||
    fail "the bad line was not named alone: $(cat "$E2E_WORK/game.err")"
echo "warned: ${expected#epee: *: }"

play_replay "$QUEST" "" island
shot island
read -r r g b < <(average island 0 0 751 600)
[ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "ZQSD and Enter did not reach the island: $r $g $b"
echo "island by ZQSD and Enter: green ($r $g $b)"
# The menu's panel covers the right of the view.
read -r r g b < <(average island 500 100 200 300)
play_replay "$QUEST" island menu
sleep 0.3
shot menu
read -r r2 g2 b2 < <(average menu 500 100 200 300)
[ "$r2 $g2 $b2" != "$r $g $b" ] || fail "Tab did not open the menu: the view stays $r $g $b"
echo "menu by Tab: $r $g $b became $r2 $g2 $b2"

close_window
expect_exit_0 2 "closing the window"
[ "$(sed -n '/^\[touches\]/,$p' "$SETTINGS_DIR/settings.ini")" = "$keys" ] ||
    fail "the saved file lost the player's keys: $(cat "$SETTINGS_DIR/settings.ini")"
grep -qx 'width=[0-9]*' "$SETTINGS_DIR/settings.ini" || fail "the window was not saved"
echo "e2e keys: all passed"
