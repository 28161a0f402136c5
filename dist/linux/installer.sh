#!/bin/sh
# Puts L'Épée légendaire on the desktop from the folder it was extracted to: the program,
# its desktop entry, icons, AppStream metadata and manual page; or takes them away again.
#   ./installer.sh [--user | --system] [--remove]
#   --user    for this player only, under ~/.local (the default)
#   --system  for every player of the computer, under /usr/local (run it as root)
#   --remove  takes away what the same choice installed
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
APP=io.github.epee.legendaire
WHERE=user
ACTION=install

usage() {
    echo "Usage: $0 [--user | --system] [--remove]" >&2
    exit 2
}

for option in "$@"; do
    case "$option" in
    --user) WHERE=user ;;
    --system) WHERE=system ;;
    --remove) ACTION=remove ;;
    -h | --help)
        sed -n '2,7s/^# \{0,1\}//p' "$0"
        exit 0
        ;;
    *) usage ;;
    esac
done

if [ "$WHERE" = system ]; then
    PREFIX=/usr/local
    DATA=$PREFIX/share
    PROGRAM=$PREFIX/games/epee
else
    PREFIX=$HOME/.local
    DATA=${XDG_DATA_HOME:-$PREFIX/share}
    PROGRAM=$PREFIX/bin/epee
fi
MANUAL=$DATA/man/man6/epee.6
ENTRY=$DATA/applications/$APP.desktop
METAINFO=$DATA/metainfo/$APP.metainfo.xml
SIZES="48 128 256"

icon() { echo "$DATA/icons/hicolor/$1x$1/apps/$APP.png"; }

# Removes a file; for the player alone, also each folder above it left empty, up to
# ~/.local (/usr/local's folders belong to the system, empty or not).
remove() {
    rm -f "$1"
    [ "$WHERE" = user ] || return 0
    dir=$(dirname "$1")
    while [ "$dir" != "$PREFIX" ] && [ "$dir" != "$DATA" ] && [ "$dir" != / ] &&
        rmdir "$dir" 2>/dev/null; do
        dir=$(dirname "$dir")
    done
    rmdir "$DATA" "$PREFIX" 2>/dev/null || true
}

# Copies a file to its place, readable by all, making the folders on the way.
put() {
    mkdir -p "$(dirname "$2")"
    cp "$1" "$2"
    chmod "$3" "$2"
}

if [ "$ACTION" = remove ]; then
    for file in "$PROGRAM" "$ENTRY" "$METAINFO" "$MANUAL"; do remove "$file"; done
    for size in $SIZES; do remove "$(icon "$size")"; done
    echo "L'Épée légendaire est désinstallé."
    exit 0
fi

put "$HERE/epee" "$PROGRAM" 755
# The menu starts the installed program by its full path: ~/.local/bin is not on every
# desktop's path.
mkdir -p "$(dirname "$ENTRY")"
sed "s|^Exec=epee|Exec=$PROGRAM|" "$HERE/$APP.desktop" >"$ENTRY"
chmod 644 "$ENTRY"
put "$HERE/$APP.metainfo.xml" "$METAINFO" 644
put "$HERE/epee.6" "$MANUAL" 644
for size in $SIZES; do put "$HERE/icons/${size}x$size/$APP.png" "$(icon "$size")" 644; done
echo "L'Épée légendaire est installé : $PROGRAM, et dans le menu des applications."
