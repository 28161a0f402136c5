#!/usr/bin/env bash
# The program as a Unix command: --help, --version and --keys answer and quit, a wrong option
# or value is refused with the usage and status 2, and with no display the game says
# so in one line and quits with status 1 rather than running unseen, while a display that
# comes up only after the game started is waited for.
# The README and the manual page list the same options as --help, and the manual and the
# Windows and Linux LISEZMOI.txt name every key of the README's table.
#   tests/command_line.sh EPEE
set -uo pipefail
EPEE=$1
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
failures=0

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# Runs the game with no display at all, at most 5 seconds; sets STATUS.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 5 "$EPEE" "$@" \
        >"$OUT/out" 2>"$OUT/err"
    STATUS=$?
}

run --help
[ "$STATUS" = 0 ] && grep -q '^Usage: epee' "$OUT/out" && [ ! -s "$OUT/err" ] ||
    fail "--help: status $STATUS"

# The options --help lists are those of the README's table and of the manual, no more, no less.
options=$(grep -oE '^  --[a-z-]+' "$OUT/out" | sed 's/^ *//' | sort)
readme=$(grep -oE '^\| `--[a-z-]+' "$SOURCE/README.md" | sed 's/^| `//' | sort)
manual=$(grep -oE '^\.BI? \\-\\-[a-z-]+' "$SOURCE/dist/epee.6" | sed 's/^[^ ]* //; s/\\-/-/g' | sort)
grep -qx -- --help <<<"$options" || fail "--help lists no options: $(cat "$OUT/out")"
[ "$readme" = "$options" ] || fail "the README lists" $readme "where --help lists" $options
[ "$manual" = "$options" ] || fail "the manual lists" $manual "where --help lists" $options

# Each key of the README's table is in the manual's and in each LISEZMOI's, in French.
keys=$(awk '/^\| Screen \| Key \|/ { table = 1; next } table && !/^\|/ { exit } table' \
    "$SOURCE/README.md" | awk -F'|' 'NR > 1 { print $3 }' | sed 's/ or /\n/g; s/, /\n/g' |
    sed 's/^ *//; s/ *$//' | sort -u)
manual_keys=$(sed -n '/^\.SH KEYS/,/^\.SH /p' "$SOURCE/dist/epee.6" | grep '^\.B ')
[ "$(wc -l <<<"$keys")" -ge 8 ] || fail "the README's key table was not found: $keys"
# Whether TEXT names KEY standing alone, after a space or a comma (Alt+Enter does not name
# Enter); -i ignores case.   names KEY TEXT [-i]
names() { grep -qE "${@:3}" -- "(^|[ ,])${1//+/\\+}([ ,]|$)" <<<"$2"; }
while read -r key; do
    names "$key" "$manual_keys" -i || fail "the manual's KEYS do not name $key"
    case $key in
    Space) french=Espace ;;
    Esc) french=Échap ;;
    arrows) french=flèches ;;
    Enter) french=Entrée ;;
    Alt+Enter) french=Alt+Entrée ;;
    *) french=$key ;;
    esac
    for lisezmoi in "$SOURCE"/dist/{windows,linux}/LISEZMOI.txt; do
        names "$french" "$(awk '/^Touches/ { table = 1; next } table && /^$/ { exit } table' "$lisezmoi")" ||
            fail "${lisezmoi#"$SOURCE"/}'s keys do not name $french ($key)"
    done
done <<<"$keys"

# --keys prints the keys in force in the settings file's own form: the player's, and for a
# refused line its action's usual keys, with one warning line naming it.
mkdir -p "$OUT/config/epee-legendaire"
printf '[touches]\nhaut = Z\naction = Return\nbas = Flèche\n' >"$OUT/config/epee-legendaire/settings.ini"
XDG_CONFIG_HOME=$OUT/config run --keys
[ "$STATUS" = 0 ] && grep -qx '\[touches\]' "$OUT/out" && grep -qx 'haut = Z' "$OUT/out" &&
    grep -qx 'bas = Down' "$OUT/out" && grep -qx 'action = Return' "$OUT/out" &&
    [ "$(grep -c ' = ' "$OUT/out")" -ge 14 ] || fail "--keys: status $STATUS: $(cat "$OUT/out")"
[ "$(wc -l <"$OUT/err")" = 1 ] && grep -q 'bas = Flèche.*bas keeps Down' "$OUT/err" ||
    fail "--keys with a bad line warns: $(cat "$OUT/err")"

run --version
grep -qxE 'epee 1\.[0-9]+\.[0-9]+' "$OUT/out" && [ "$STATUS" = 0 ] || fail "--version: $(cat "$OUT/out")"

for wrong in --bogus "--scale 4" "--scale" "--scale=two" "--window extra"; do
    # shellcheck disable=SC2086
    run $wrong
    [ "$STATUS" = 2 ] && [ ! -s "$OUT/out" ] && grep -q '^Usage: epee' "$OUT/err" ||
        fail "'$wrong': status $STATUS, expected 2 with the usage on standard error"
done

for options in "" "--fullscreen" "--scale 2"; do
    # shellcheck disable=SC2086
    run $options
    lines=$(wc -l <"$OUT/err")
    [ "$STATUS" = 1 ] && [ "$lines" = 1 ] && grep -q DISPLAY "$OUT/err" &&
        grep -q WAYLAND_DISPLAY "$OUT/err" ||
        fail "no display ($options): status $STATUS, $lines lines: $(cat "$OUT/err")"
done

# A display that comes up 0.4 s after the game started, as an X server still starting or
# resetting: the game waits for it and opens its window there.
late=$(for n in $(seq $((200 + RANDOM % 700)) 999); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; break; }
done)
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=":$late" XDG_CONFIG_HOME="$OUT" \
    timeout 20 "$EPEE" 2>"$OUT/err" &
game=$!
sleep 0.4
Xvfb ":$late" -nolisten tcp 2>/dev/null &
xvfb=$!
window=
for _ in $(seq 100); do
    window=$(DISPLAY=":$late" xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | tail -1)
    [ -z "$window" ] && kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill "$game" 2>/dev/null
wait "$game"
kill "$xvfb"
wait "$xvfb"
[ -n "$window" ] || fail "no window on a display that came up 0.4 s after the game: $(cat "$OUT/err")"

[ "$failures" = 0 ] && echo "command line: all passed"
[ "$failures" = 0 ]
