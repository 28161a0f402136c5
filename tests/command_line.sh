#!/usr/bin/env bash
# The program as a Unix command: --help and --version answer and quit, a wrong option
# or value is refused with the usage and status 2, and with no display the game says
# so in one line and quits with status 1 rather than running unseen.
# The manual page and the README list the same options as --help.
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
for option in --fullscreen --window --scale --help --version; do
    grep -q -- "$option" "$OUT/out" || fail "--help does not list $option"
    grep -q -- "\`$option" "$SOURCE/README.md" || fail "the README does not list $option"
    grep -q -- "${option//-/\\\\-}" "$SOURCE/dist/epee.6" || fail "the manual does not list $option"
done

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

[ "$failures" = 0 ] && echo "command line: all passed"
[ "$failures" = 0 ]
