#!/usr/bin/env bash
# The portable Linux build checked as a player's system would meet it: each archive holds
# one folder with what it should; each program needs of the system only the C library's
# own files, none of glibc newer than 2.31, and carries SDL's X11, Wayland and KMSDRM
# drivers; the recorded games give the digests recorded on Linux on x86-64 and on arm64
# (qemu-aarch64) in the Debian 11 trees; in Debian 11, 12 and 13 trees holding no SDL the
# program answers --version and plays in Xvfb with speech asked for and none to be had
# (one line says so; title blue, the name grid, island green, a door, Esc with status 0,
# the window closed with status 0); the arm64 program opens its
# window in the Debian 11 arm64 tree; a display that comes up only after the game started
# is waited for; installer.sh installs for the player, and for every player, and takes
# everything away again.
#   tests/linux.sh [LINUX_BUILD] [BUILD]   (the machine's own build lends epee_close)
set -euo pipefail
LINUX=${1:-build-linux}
HOST=${2:-build}
cd "$(dirname "$0")/.."
VERSION=$(sed -nE 's/^project\(epee VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
APP=io.github.epee.legendaire
export CLOSE_TOOL=$HOST/epee_close
BUILD=$LINUX
. tests/e2e/lib.sh
QUEST=tests/replays/quest.replay
LATE_XVFB=
trap 'e2e_cleanup; [ -z "$LATE_XVFB" ] || kill "$LATE_XVFB" 2>/dev/null' EXIT

tree() { tools/debian-tree.sh "$1" "$2" "$3" | tail -1; }
ARM_TREE=$(tree bullseye arm64 build)

# Each archive: one folder, with the program, the desktop files, manual, read-me,
# licences and installer.
for arch in x86_64 aarch64; do
    name=epee-legendaire-$VERSION-linux-$arch
    archive=$LINUX/$name.tar.gz
    [ "$(tar -tzf "$archive" | cut -d/ -f1 | sort -u)" = "$name" ] || fail "$archive: not one folder $name"
    mkdir -p "$E2E_WORK/$arch"
    tar -xzf "$archive" -C "$E2E_WORK/$arch"
    dir=$E2E_WORK/$arch/$name
    for file in epee installer.sh LISEZMOI.txt epee.6 $APP.desktop $APP.metainfo.xml \
        icons/48x48/$APP.png icons/128x128/$APP.png icons/256x256/$APP.png \
        licences/epee-legendaire.txt licences/SDL2.txt licences/SDL2_ttf.txt \
        licences/SDL2_image.txt licences/FreeType.txt; do
        [ -s "$dir/$file" ] || fail "$archive lacks $file"
    done
    [ -x "$dir/epee" ] && [ -x "$dir/installer.sh" ] || fail "$archive: epee or installer.sh not executable"
    echo "$name.tar.gz: $(stat -c %s "$archive") bytes"
done

# What each program asks of the system: the C library's own files, glibc 2.31 at most.
GLIBC_FLOOR=2.31
for arch in x86_64 aarch64; do
    objdump=objdump
    [ "$arch" = aarch64 ] && objdump=aarch64-linux-gnu-objdump
    for program in "$E2E_WORK/$arch/epee-legendaire-$VERSION-linux-$arch/epee" "$LINUX/$arch/epee_replay"; do
        needed=$(readelf -d "$program" | sed -nE 's/.*\(NEEDED\).*\[(.*)\]/\1/p' | sort | tr '\n' ' ')
        for library in $needed; do
            case "$library" in
            libc.so.6 | libm.so.6 | libdl.so.2 | libpthread.so.0 | librt.so.1 | ld-linux-*.so.*) ;;
            *) fail "$program ($arch) needs $library" ;;
            esac
        done
        newest=$($objdump -T "$program" | grep -oE 'GLIBC_[0-9.]+' | sed 's/GLIBC_//' | sort -uV | tail -1)
        [ "$(printf '%s\n' "$newest" "$GLIBC_FLOOR" | sort -V | tail -1)" = "$GLIBC_FLOOR" ] ||
            fail "$program ($arch) needs glibc $newest"
        echo "$arch $(basename "$program"): needs $needed; glibc $newest at most"
    done
    # SDL's video drivers, each loading its system libraries when the game starts.
    for library in libX11.so.6 libwayland-client.so.0 libdrm.so.2 libgbm.so.1; do
        grep -qa "$library" "$E2E_WORK/$arch/epee-legendaire-$VERSION-linux-$arch/epee" ||
            fail "the $arch program has no driver loading $library"
    done
done

# The recorded games in the Debian 11 trees, on x86-64 and on arm64 through qemu.
cp tests/replays/*.replay "$E2E_WORK/"
for arch in x86_64 aarch64; do
    if [ "$arch" = x86_64 ]; then in_tree=$(tree bullseye amd64 run); else in_tree=$ARM_TREE; fi
    for replay in tests/replays/*.replay; do
        got=$(tests/linux/in-tree.sh "$in_tree" "$LINUX/$arch/epee_replay" "$E2E_WORK/$(basename "$replay")" | cut -d' ' -f1)
        [ "$got" = "$(cat "${replay%.replay}.digest")" ] || fail "$replay gives $got on $arch"
        echo "$arch $replay: $got, as recorded"
    done
done

start_xvfb

# Whether the game's title, in a new shot NAME, is blue.
title_blue() {
    shot "$1"
    read -r r g b < <(average "$1" 0 560 120 40)
    [ "$b" -gt 150 ] && [ "$r" -lt 60 ] && [ "$g" -lt 60 ]
}

# The quest's first steps in a tree holding no SDL, the program seeing only that tree; with
# speech asked for, which no speech-dispatcher there can give: one line says so.
play_in_tree() {
    local suite=$1
    GAME_RUNNER="tests/linux/in-tree.sh $(tree "$suite" amd64 run)"
    GAME=$E2E_WORK/x86_64/epee-legendaire-$VERSION-linux-x86_64/epee
    [ -z "$(find "${GAME_RUNNER#* }" -name 'libSDL2*' -print -quit)" ] || fail "the $suite tree holds SDL"
    # shellcheck disable=SC2086 # the runner is a command with its arguments
    [ "$($GAME_RUNNER "$GAME" --version)" = "epee $VERSION" ] || fail "--version in Debian $suite"
    GAME_ARGS=--parole start_game
    play_replay "$QUEST" "" title
    title_blue "$suite-title" || fail "$suite: the title is not blue"
    play_replay "$QUEST" title name-entry
    # The letters on blue inside a yellow frame.
    shot "$suite-name"
    read -r r g b < <(average "$suite-name" 60 300 600 100)
    [ "$b" -gt 120 ] && [ "$r" -lt 60 ] && [ "$g" -lt 60 ] || fail "$suite: no blue name grid: $r $g $b"
    read -r r g b < <(average "$suite-name" 33 240 3 160)
    [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 80 ] || fail "$suite: the name grid has no frame: $r $g $b"
    play_replay "$QUEST" name-entry island
    shot "$suite-island"
    read -r r g b < <(average "$suite-island" 0 0 751 600)
    [ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "$suite: the island is not green: $r $g $b"
    play_replay "$QUEST" island door
    shot "$suite-door"
    read -r r2 g2 b2 < <(average "$suite-door" 0 0 751 600)
    [ "$g2" -lt "$g" ] || fail "$suite: the door led nowhere: the view stays $r2 $g2 $b2"
    key Escape
    expect_exit_0 3 "$suite: Esc in the game"
    [ "$(grep -c 'speech is unavailable' "$E2E_WORK/game.err")" = 1 ] ||
        fail "$suite: not one line about the missing speech: $(cat "$E2E_WORK/game.err")"
    start_game
    close_window
    expect_exit_0 2 "$suite: closing the window"
    echo "Debian $suite: --version, --parole unheard, title blue, name grid, island green, a door, Esc and closing: status 0"
}
for suite in bullseye bookworm trixie; do play_in_tree "$suite"; done

# The arm64 program in the Debian 11 arm64 tree through qemu: its window, the title blue,
# Esc with status 0. The emulator is slow to start it.
GAME_RUNNER="tests/linux/in-tree.sh $ARM_TREE"
GAME=$E2E_WORK/aarch64/epee-legendaire-$VERSION-linux-aarch64/epee
# shellcheck disable=SC2086
[ "$($GAME_RUNNER "$GAME" --version)" = "epee $VERSION" ] || fail "--version on arm64"
START_SECONDS=60 start_game
play_replay "$QUEST" "" title
wait_for 20 "arm64: the title did not turn blue" title_blue arm64-title
key Escape
expect_exit_0 20 "arm64: Esc on the title"
echo "arm64 under qemu-aarch64 in Debian 11: --version, title blue, Esc: status 0"

# A display that comes up only after the game started, as an X server still starting or
# resetting, is waited for: the game opens its window on it.
late=$(for n in $(seq 200 299); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; break; }; done)
export DISPLAY=:$late
GAME_RUNNER="tests/linux/in-tree.sh $(tree bullseye amd64 run)"
GAME=$E2E_WORK/x86_64/epee-legendaire-$VERSION-linux-x86_64/epee
# shellcheck disable=SC2086
$PRIORITY $GAME_RUNNER "$GAME" 2>"$E2E_WORK/game.err" &
GAME_PID=$!
sleep 0.4
Xvfb "$DISPLAY" -screen 0 1600x1200x24 -nolisten tcp 2>"$E2E_WORK/late-xvfb.log" &
LATE_XVFB=$!
GAME_WID=
wait_for 10 "no window on a display that came up 0.4 s after the game" window_settled
close_window
expect_exit_0 2 "closing the window on the late display"
echo "a display up 0.4 s after the game: its window opened"

# The installer, for the player alone, in a scratch home: then taken away, all of it.
home=$E2E_WORK/home
mkdir -p "$home"
dir=$E2E_WORK/x86_64/epee-legendaire-$VERSION-linux-x86_64
HOME=$home env -u XDG_DATA_HOME "$dir/installer.sh" >/dev/null
entry=$home/.local/share/applications/$APP.desktop
desktop-file-validate "$entry" || fail "the installed desktop entry"
grep -qx "Exec=$home/.local/bin/epee" "$entry" && grep -qx "Exec=$home/.local/bin/epee --parole" "$entry" ||
    fail "the desktop entry starts $(grep ^Exec= "$entry")"
[ "$("$home/.local/bin/epee" --version)" = "epee $VERSION" ] || fail "the installed program"
for file in share/metainfo/$APP.metainfo.xml share/man/man6/epee.6 \
    share/icons/hicolor/{48x48,128x128,256x256}/apps/$APP.png; do
    [ -s "$home/.local/$file" ] || fail "installer.sh did not install $file"
done
HOME=$home env -u XDG_DATA_HOME "$dir/installer.sh" --remove >/dev/null
left=$(find "$home" -mindepth 1)
[ -z "$left" ] || fail "installer.sh --remove left $left"
echo "installer.sh: installed for the player (desktop entry valid), then removed, nothing left"
# For every player, under /usr/local: here an empty one of this test's own, in a mount
# namespace, so the machine's stays as it is.
unshare -m sh -ec '
    dir=$1 app=$2 version=$3
    mount --make-rprivate /
    mount -t tmpfs tmpfs /usr/local
    "$dir/installer.sh" --system >/dev/null
    desktop-file-validate /usr/local/share/applications/$app.desktop
    grep -qx Exec=/usr/local/games/epee /usr/local/share/applications/$app.desktop
    [ "$(/usr/local/games/epee --version)" = "epee $version" ]
    "$dir/installer.sh" --system --remove >/dev/null
    [ -z "$(find /usr/local ! -type d)" ]
' system "$dir" "$APP" "$VERSION" || fail "installer.sh --system, or its --remove"
echo "installer.sh --system: under /usr/local, then removed, nothing left"
echo "linux: all passed"
