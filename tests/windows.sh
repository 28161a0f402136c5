#!/usr/bin/env bash
# The Windows build checked under Wine: epee.exe needs only the DLLs every Windows has and
# carries its manifest and version; the test suite passes; the recorded games reach the
# digests recorded on Linux; the real epee.exe plays in Xvfb as the Linux program does
# (tests/e2e.sh), up to the first door, and its timers keep time (tools/measure.sh).
#   tests/windows.sh [WINDOWS_BUILD] [LINUX_BUILD]   (the Linux build lends epee_close)
set -euo pipefail
WIN=${1:-build-win}
LINUX=${2:-build}
cd "$(dirname "$0")/.."
export WINEPREFIX=$PWD/$WIN/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
export GAME=$WIN/epee.exe GAME_RUNNER=wine CLOSE_TOOL=$LINUX/epee_close
# Wine hides a closed window and, with no window manager to withdraw it, gives up waiting
# for one after 2 s; only then does the program end.
export EXIT_GRACE=3
# Nor can it close a fullscreen window there (an X error ends it): fullscreen is left out.
export E2E_FULLSCREEN=no
export SETTINGS_DIR=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/epee-legendaire
BUILD=$WIN
. tests/e2e/lib.sh
trap 'e2e_cleanup; wineserver -k 2>/dev/null || true' EXIT

# What the executable asks of Windows.
headers=$(x86_64-w64-mingw32-objdump -p "$WIN/epee.exe")
dlls=$(awk '/DLL Name:/ { print toupper($3) }' <<<"$headers" | sort | tr '\n' ' ')
echo "imports: $dlls"
for dll in $dlls; do
    case "$dll" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | ADVAPI32.DLL | SHELL32.DLL | OLE32.DLL | OLEAUT32.DLL | \
        IMM32.DLL | VERSION.DLL | WINMM.DLL | SETUPAPI.DLL | MSVCRT.DLL) ;;
    *) fail "epee.exe needs $dll, which Windows does not have" ;;
    esac
done
grep -q 'Subsystem.*Windows GUI' <<<"$headers" || fail "epee.exe is not a GUI program"
grep -q 'PerMonitorV2' "$WIN/epee.exe" && grep -q '>UTF-8</activeCodePage>' "$WIN/epee.exe" ||
    fail "epee.exe lacks its manifest"
# Windows keeps the version information's texts in UTF-16.
utf16() { printf '%s' "$1" | iconv -t UTF-16LE | od -An -v -tx1 | tr -d '\n' | sed 's/ /\\x/g'; }
LC_ALL=C grep -qaP "$(utf16 "L'Épée légendaire")" "$WIN/epee.exe" ||
    fail "epee.exe lacks its product name"

ctest --test-dir "$WIN" --output-on-failure

# The recorded games on Windows give the digests recorded on Linux.
wine "$WIN/epee_replay.exe" --check tests/replays/*.replay || fail "a recorded game differs under Wine"

# Wine's server answers each of the game's calls to Windows, so it must run at the game's
# priority (see start_game): the game starts its own once the earlier one has ended.
timeout 60 wineserver -w || fail "a Windows program of this prefix is still running"

# Without a window the player is told why in a message box; once it is read, status 1.
start_xvfb
SDL_VIDEODRIVER=none wine "$GAME" 2>/dev/null &
GAME_PID=$!
for _ in $(seq 300); do
    box=$(xdotool search --onlyvisible --name 'gendaire$' 2>/dev/null | tail -1 || true)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message box when the window cannot open"
xdotool windowfocus --sync "$box" key Return
status=0
wait "$GAME_PID" || status=$?
GAME_PID=
[ "$status" = 1 ] || fail "status $status after the message box"
echo "no window: a message box, then status 1"

# A player whose screen reader runs (Windows' flag for it set, as Narrator or NVDA set it)
# hears the game from the start, unasked. Wine's screen reader takes no UI Automation
# notifications, so SAPI's voice speaks, or the game says in one line that it cannot;
# either way the player goes on from the title to the island's opening message, every
# word of it in the speech log, and the window closes as asked.
reader='HKCU\Control Panel\Accessibility\Blind Access'
wine reg add "$reader" /v On /t REG_SZ /d 1 /f >/dev/null
start_game env EPEE_SPEECH_LOG="$E2E_WORK/speech.log"
play_replay tests/replays/quest.replay "" island
wait_for 5 "the island's message is not in the speech log" \
    grep -q "L'épée légendaire se trouve sur cette île" "$E2E_WORK/speech.log"
grep -q "^[0-9]* ! Lecture à voix haute activée" "$E2E_WORK/speech.log" ||
    fail "with a screen reader running, speech is not on from the start"
said=$(tr -d '\r' <"$E2E_WORK/game.err" | grep -i 'speech\|sapi' || true)
[ "$(grep -c . <<<"$said")" -le 1 ] || fail "more than one line about speech: $said"
echo "speech under Wine: ${said:-no line, SAPI spoke}; $(wc -l <"$E2E_WORK/speech.log") texts said"
close_window
expect_exit_0 10 "speech under Wine"
wine reg delete "$reader" /v On /f >/dev/null

E2E_QUEST=door tests/e2e.sh "$WIN"
# The figures go to the log through a pipe: tee /dev/stderr would reopen the log that both
# outputs may share, and truncate it.
figures=$(MEASURE=timers tools/measure.sh "$WIN" | tee >(cat >&2))
for figure in "step of five ticks" "prompt blink period" "1 ms timer"; do
    grep "$figure" <<<"$figures" | grep -q ' ok$' || fail "$figure: off under Wine"
done
echo "windows: all passed"
