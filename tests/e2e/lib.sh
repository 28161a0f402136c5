# Shared by the scripts that run the real program under Xvfb: a private X server,
# starting the game, keys, screenshots, closing the window and waiting for the end.
# Needs BUILD set to the build directory. Every wait is bounded, and a failure shows
# the game's standard error, its exit status and the X server's log. GAME names the
# program (the build's epee unless set) and GAME_RUNNER, if set, the command that runs it
# (wine, for the Windows build); CLOSE_TOOL, the program that closes a window (the
# build's epee_close unless set).
GAME=${GAME:-$BUILD/epee}
GAME_RUNNER=${GAME_RUNNER:-}
CLOSE_TOOL=${CLOSE_TOOL:-$BUILD/epee_close}

E2E_WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=
GAME_WID=
GAME_STATUS=
# The game remembers its window: each run starts from none and leaves the player's alone.
# SETTINGS_DIR is where it keeps it; the Windows build keeps it in its own Wine prefix.
export XDG_CONFIG_HOME=$E2E_WORK/config
SETTINGS_DIR=${SETTINGS_DIR:-$XDG_CONFIG_HOME/epee-legendaire}
rm -rf "$SETTINGS_DIR"
# How long a start may take to show its window; valgrind needs longer.
START_SECONDS=${START_SECONDS:-10}

e2e_cleanup() {
    if [ -n "$GAME_PID" ]; then
        # The game ends as if its window were closed and saves its window first.
        kill "$GAME_PID" 2>/dev/null
        timeout 5 tail --pid="$GAME_PID" -f /dev/null 2>/dev/null
    fi
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# Everything that tells why a phase failed.
show_diagnostics() {
    if [ -n "$GAME_PID" ] && ! game_running; then reap_game; fi
    echo "--- game status: ${GAME_STATUS:-still running}" >&2
    echo "--- game's standard error:" >&2
    cat "$E2E_WORK/game.err" >&2 2>/dev/null || true
    echo "--- Xvfb's log:" >&2
    cat "$E2E_WORK/xvfb.log" >&2 2>/dev/null || true
    if compgen -G "$E2E_WORK/*.png" >/dev/null; then
        mkdir -p "$BUILD/e2e-failed" && cp "$E2E_WORK"/*.png "$BUILD/e2e-failed/"
        echo "--- screenshots kept in $BUILD/e2e-failed" >&2
    fi
}

fail() {
    echo "FAILED: $*" >&2
    show_diagnostics
    exit 1
}

# Milliseconds on a steady clock.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Runs the command until it succeeds, for at most SECONDS; fails with WHAT otherwise.
wait_for() {
    local seconds=$1 what=$2 deadline
    shift 2
    deadline=$(($(now_ms) + seconds * 1000))
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "$what (after ${seconds} s)"
        sleep 0.05
    done
}

# The keys go out in real time, as a player's would: a game starved of the processor
# by other work on a shared machine would drop the ones that come during an unfinished
# step, as a player's desktop never makes a game in the foreground wait. So the game
# and the X server that hands it the keys run at a higher priority where the script may
# give them one.
PRIORITY=
nice -n -10 true 2>/dev/null && PRIORITY="nice -n -10"

# A private X server on a display it picks itself. An X server resets itself whenever
# its last client leaves, and refuses connections while it does: a game started just as
# the previous one (or an xdotool call) ended could then not open the display (3000
# quick connections: 360 refused by default, none with -noreset). A desktop's server
# always has its window manager connected, so it never resets under a game.
start_xvfb() {
    rm -f "$E2E_WORK/display"
    $PRIORITY Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1600x1200x24}" -nolisten tcp -noreset \
        3>"$E2E_WORK/display" 2>"$E2E_WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 10 "Xvfb did not start" test -s "$E2E_WORK/display"
    export DISPLAY=":$(cat "$E2E_WORK/display")"
}

# Whether the game still runs: an ended game stays a zombie until it is reaped, and
# kill -0 still finds a zombie.
game_running() {
    local state
    state=$(ps -o stat= -p "$GAME_PID" 2>/dev/null) && [[ $state != Z* ]]
}

# Collects an ended game's exit status into GAME_STATUS.
reap_game() {
    GAME_STATUS=0
    wait "$GAME_PID" 2>/dev/null || GAME_STATUS=$?
    GAME_PID=
}

# The game's mapped window, if any.
find_window() { xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | tail -1 || true; }

# True once the game's window is mapped and has stayed the same one for a moment (SDL
# may make its window anew for the renderer); fails at once if the game ended.
window_settled() {
    game_running || fail "the game ended before its window opened"
    local wid
    wid=$(find_window)
    [ -n "$wid" ] && [ "$wid" = "$GAME_WID" ] && return 0
    GAME_WID=$wid
    sleep 0.15
    return 1
}


# Starts the game (optionally under a wrapper command) with the arguments in GAME_ARGS
# and waits for its window.
start_game() {
    GAME_STATUS=
    # shellcheck disable=SC2086 # the runner may be a command with its arguments
    $PRIORITY "$@" $GAME_RUNNER "$GAME" ${GAME_ARGS:-} 2>"$E2E_WORK/game.err" &
    GAME_PID=$!
    GAME_WID=
    wait_for "$START_SECONDS" "no game window" window_settled
    xdotool windowfocus --sync "$GAME_WID" 2>/dev/null || true
}

key() { xdotool key --clearmodifiers "$@"; }

# The game window's size, "WIDTHxHEIGHT".
window_size() { xdotool getwindowgeometry "$GAME_WID" | awk '/Geometry:/ { print $2 }'; }

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
# that line included (to the end when TO is empty). Each pause is counted from the
# moment the previous key had gone out, so that a busy machine, slow to start xdotool,
# never brings two keys closer together than the recorded game had them.
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
        last=$ms
        case "$what" in
        wait | close) ;;
        *) key "$(x_key "$what")" ;;
        esac
        sent=$(now_ms)
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
    "$CLOSE_TOOL" "$GAME_WID"
}

# Waits up to SECONDS for the game to end; fails unless it ends with status 0.
# EXIT_GRACE seconds more are allowed where the platform takes longer to let a program go.
expect_exit_0() {
    local seconds=$(($1 + ${EXIT_GRACE:-0})) what=$2
    wait_for "$seconds" "$what: the game is still running" eval '! game_running'
    reap_game
    [ "$GAME_STATUS" = 0 ] || fail "$what: status $GAME_STATUS"
}
