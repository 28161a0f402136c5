#!/usr/bin/env bash
# The game's voice on Linux for real: a private speech-dispatcher (its espeak-ng module,
# audio thrown away by libao's null driver) hears what the game says under Xvfb, with
# --parole, up to the opening message, each text of the game's own speech log in order;
# F3 turns speech off and the settings file remembers it, and remembered on it speaks
# again; with no speech service to reach, one line says so and the game plays on.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
. tests/e2e/lib.sh
QUEST=tests/replays/quest.replay

SPD=$E2E_WORK/speechd
SPD_PID=
mkdir -p "$SPD/conf/modules" "$SPD/log"
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$SPD/conf/modules/"
cat >"$SPD/conf/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "fr"
LogLevel 5
CONF
echo default_driver=null >"$SPD/.libao"
HOME=$SPD speech-dispatcher --run-single --timeout 0 --log-level 5 --config-dir "$SPD/conf" \
    --log-dir "$SPD/log" --communication-method unix_socket --socket-path "$SPD/socket" \
    --pid-file "$SPD/pid" >"$SPD/out" 2>&1 &
SPD_PID=$!
trap 'kill "$SPD_PID" 2>/dev/null; e2e_cleanup' EXIT
wait_for 10 "speech-dispatcher did not start" test -S "$SPD/socket"
export SPEECHD_ADDRESS=unix_socket:$SPD/socket
SERVICE_LOG=$SPD/log/speech-dispatcher.log

# Whether the service was handed this text to speak.
received() { grep -qF "Queueing message |$1|" "$SERVICE_LOG"; }

start_xvfb
GAME_ARGS=--parole start_game env EPEE_SPEECH_LOG="$E2E_WORK/spoken"
play_replay "$QUEST" "" island
wait_for 5 "the opening message was not spoken" grep -q "L'épée légendaire se trouve" "$E2E_WORK/spoken"
# Everything the game said up to there reached the service, in the same order.
said=$(cut -d' ' -f3- "$E2E_WORK/spoken")
wait_for 5 "the service did not receive: $(tail -1 <<<"$said")" received "$(tail -1 <<<"$said")"
while read -r text; do
    received "$text" || fail "the service did not receive: $text"
done <<<"$said"
heard=$(grep -oP 'Queueing message \|\K[^|]*' "$SERVICE_LOG")
[ "$(head -1 <<<"$said")" = "Lecture à voix haute activée" ] ||
    fail "turned on by --parole, the game did not say so first: $said"
[ "$heard" = "$said" ] ||
    fail "the service heard, in this order: $heard"
grep -q 'Appuyez sur space.' <<<"$heard" && grep -q '^FIN$' <<<"$heard" ||
    fail "the title's prompt or the name entry's FIN went unsaid: $heard"
echo "speech-dispatcher received $(wc -l <<<"$heard") texts in order, up to the opening message"

# F3 turns it off, says so, and the settings file remembers it.
key F3
wait_for 5 "F3 did not say speech is off" received "Lecture à voix haute désactivée"
close_window
expect_exit_0 2 "closing the window after F3"
grep -qx parole=0 "$SETTINGS_DIR/settings.ini" || fail "speech off was not remembered"
# Remembered on, the game speaks from the start without being asked.
sed -i 's/^parole=0$/parole=1/' "$SETTINGS_DIR/settings.ini"
: >"$SERVICE_LOG"
start_game
wait_for 5 "remembered speech did not speak" received "Lecture à voix haute activée"
close_window
expect_exit_0 2 "closing the window spoken to"
echo "F3 turns speech off, the settings remember it, and remembered on it speaks"

# No service to reach: one line says so, and the game plays on to the island.
SPEECHD_ADDRESS=unix_socket:$E2E_WORK/nowhere GAME_ARGS=--parole start_game
play_replay "$QUEST" "" island
game_running || fail "the game ended without a speech service"
[ "$(grep -c 'speech is unavailable' "$E2E_WORK/game.err")" = 1 ] ||
    fail "not one line about the missing speech: $(cat "$E2E_WORK/game.err")"
key Escape
expect_exit_0 3 "Esc without a speech service"
echo "without a speech service: $(cat "$E2E_WORK/game.err")"
