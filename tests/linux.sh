#!/usr/bin/env bash
# The portable Linux build checked as a player's system would meet it: each archive holds
# one folder with what it should; each program needs of the system only the C library's
# own files, none of glibc newer than 2.31, and carries SDL's X11, Wayland and KMSDRM
# drivers; the recorded games give the digests recorded on Linux on x86-64 and on arm64
# (qemu-aarch64) in the Debian 11 trees; in Debian 11, 12 and 13 trees holding no SDL the
# program answers --version and plays in Xvfb (title blue, the name grid, island green, a
# door, Esc with status 0, the window closed with status 0); the arm64 program opens its
# window in the Debian 11 arm64 tree; a display that comes up only after the game started
# is waited for; installer.sh installs for the player and takes everything away again.
#   tests/linux.sh [LINUX_BUILD] [BUILD]   (the Linux build lends epee_close)
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

# The quest's first steps in a tree holding no SDL, the program seeing only that tree.
play_in_tree() {
    local suite=$1 shots=$E2E_WORK/$1
    GAME_RUNNER="tests/linux/in-tree.sh $(tree "$suite" amd64 run)"
    GAME=$E2E_WORK/x86_64/epee-legendaire-$VERSION-linux-x86_64/epee
    [ -z "$(find "${GAME_RUNNER#* }" -name 'libSDL2*' -print -quit)" ] || fail "the $suite tree holds SDL"
    # shellcheck disable=SC2086 # the runner is a command with its arguments
    [ "$($GAME_RUNNER "$GAME" --version)" = "epee $VERSION" ] || fail "--version in Debian $suite"
    start_game
    play_replay "$QUEST" "" title
    shot "$suite-title"
    read -r r g b < <(average "$suite-title" 0 560 120 40)
    [ "$b" -gt 150 ] && [ "$r" -lt 60 ] && [ "$g" -lt 60 ] || fail "$suite: the title is not blue: $r $g $b"
    play_replay "$QUEST" title name-entry
    shot "$suite-name"
    read -r r g b < <(average "$suite-name" 0 0 751 600)
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
    start_game
    close_window
    expect_exit_0 2 "$suite: closing the window"
    echo "Debian $suite: --version, title blue, name grid, island green, a door, Esc and closing: status 0"
}
for suite in bullseye bookworm trixie; do play_in_tree "$suite"; done
