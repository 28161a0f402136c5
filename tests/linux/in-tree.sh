#!/bin/sh
# Runs a program of the build inside a Debian tree, as if that tree were the player's
# system: the program's folder is seen there as /opt/game, the machine's /tmp as the
# tree's (the e2e scripts keep their files there), and an arm64 program runs through the
# tree's qemu-aarch64-static. The mounts live in a mount namespace of this program's own,
# so nothing is left mounted on the machine; the network namespace is shared, so an X
# server's abstract socket is reachable. The program keeps this script's process.
#   tests/linux/in-tree.sh TREE PROGRAM [ARGUMENTS...]
set -eu
TREE=$1
PROGRAM=$(realpath "$2")
shift 2
EMULATOR=
if [ -x "$TREE/usr/bin/qemu-aarch64-static" ]; then EMULATOR=/usr/bin/qemu-aarch64-static; fi
exec unshare -m sh -ec '
    tree=$1 folder=$2 program=$3 emulator=$4
    shift 4
    mount --make-rprivate /
    mount -t proc proc "$tree/proc"
    mount --rbind /dev "$tree/dev"
    mount --rbind /tmp "$tree/tmp"
    mount --bind "$folder" "$tree/opt"
    exec chroot "$tree" $emulator "/opt/$program" "$@"
' in-tree "$TREE" "$(dirname "$PROGRAM")" "$(basename "$PROGRAM")" "$EMULATOR" "$@"
