# Shared by the scripts that run the real program under Xvfb: a private X server,
# starting the game, keys, screenshots, closing the window and waiting for the end.
# Needs BUILD set to the build directory.

E2E_WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=
GAME_WID=

e2e_cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Milliseconds on a steady clock.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# A private X server on a display it picks itself, its screen XVFB_SCREEN (WxHxDEPTH).
start_xvfb() {
    rm -f "$E2E_WORK/display"
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1600x1200x24}" -nolisten tcp 3>"$E2E_WORK/display" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$E2E_WORK/display" ] && break
        sleep 0.1
    done
    [ -s "$E2E_WORK/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$E2E_WORK/display")"
}

# The game's mapped window, if any.
find_window() { xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | tail -1 || true; }

# Starts the game (optionally under a wrapper command) and waits for its window to be
# mapped and to stay the same one (SDL may make its window anew for the renderer).
start_game() {
    "$@" "$BUILD/epee" &
    GAME_PID=$!
    GAME_WID=
    local seen=
    for _ in $(seq 600); do
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game died before its window opened"
        GAME_WID=$(find_window)
        [ -n "$GAME_WID" ] && [ "$GAME_WID" = "$seen" ] && break
        seen=$GAME_WID
        sleep 0.2
    done
    [ -n "$GAME_WID" ] || fail "no game window"
    xdotool windowfocus --sync "$GAME_WID" 2>/dev/null || true
}

key() { xdotool key --clearmodifiers "$@"; }

# The X name of a key of the replays.
x_key() {
    case "$1" in
    Space) echo space ;;
    Enter) echo Return ;;
    Esc) echo Escape ;;
    Left | Up | Right | Down) echo "$1" ;;
    *) echo "${1,,}" ;;
    esac
}

# Plays a replay's keys in real time, after the line marked with the comment
# "e2e: FROM" (from the start when FROM is empty) up to the line marked "e2e: TO",
# that line included (to the end when TO is empty). Each pause is kept whole even when
# a key went out late, so that a busy machine never brings two keys closer together.
play_replay() {
    local file=$1 from=${2:-} to=${3:-} ms what rest last=0 playing=1 sent pause
    [ -n "$from" ] && playing=0
    sent=$(now_ms)
    while read -r ms what rest; do
        [[ "$ms" =~ ^[0-9]+$ ]] || continue
        if [ "$playing" = 0 ]; then
            [[ "$rest" == *"e2e: $from"* ]] && playing=1 && last=$ms
            continue
        fi
        pause=$((sent + ms - last - $(now_ms)))
        [ "$pause" -gt 0 ] && sleep "$(printf '%d.%03d' $((pause / 1000)) $((pause % 1000)))"
        sent=$(now_ms)
        last=$ms
        case "$what" in
        wait | close) ;;
        *) key "$(x_key "$what")" ;;
        esac
        [ -n "$to" ] && [[ "$rest" == *"e2e: $to"* ]] && return 0
    done <"$file"
    [ -z "$to" ] || fail "no mark '$to' in $file"
}

# Saves the window's picture into $E2E_WORK/NAME.png.
shot() { import -window "$GAME_WID" "$E2E_WORK/$1.png"; }

# The average colour "r g b" of a region given in play-area pixels (751 x 600) of a shot.
average() {
    local file=$E2E_WORK/$1.png x=$2 y=$3 w=$4 h=$5 size scale
    size=$(identify -format '%w' "$file")
    scale=$(awk -v s="$size" 'BEGIN { print s / 751 }')
    convert "$file" -crop "$(awk -v s="$scale" -v x="$x" -v y="$y" -v w="$w" -v h="$h" \
        'BEGIN { printf "%dx%d+%d+%d", w * s, h * s, x * s, y * s }')" +repage -resize '1x1!' \
        -depth 8 -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]\n' info:
}

# Closes the window as a window manager does.
close_window() {
    GAME_WID=$(find_window)
    [ -n "$GAME_WID" ] || fail "no window to close"
    "$BUILD/epee_close" "$GAME_WID"
}

# Waits up to SECONDS for the game to end; fails unless it ends with status 0.
expect_exit_0() {
    local seconds=$1 what=$2 status
    for _ in $(seq $((seconds * 20))); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "$what: the game is still running"
    status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=
    [ "$status" = 0 ] || fail "$what: status $status"
}
