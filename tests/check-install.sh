#!/bin/sh
# Checks what a player gets on the desktop: `install` installs the game under a scratch
# prefix and checks every file; `package` builds the Debian package and checks its fields,
# that it holds the same files, and that lintian finds nothing wrong.
# Usage: check-install.sh install|package BUILD_DIR VERSION
set -eu
mode=$1
build=$(cd "$2" && pwd)
version=$3
app=io.github.epee.legendaire
pkg=epee-legendaire

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in desktop-file-validate appstreamcli dpkg-deb lintian; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (make deps)"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

expected() {
    cat <<EOF | sort
games/epee
share/applications/$app.desktop
share/doc/$pkg/changelog.gz
share/doc/$pkg/copyright
share/icons/hicolor/128x128/apps/$app.png
share/icons/hicolor/256x256/apps/$app.png
share/icons/hicolor/48x48/apps/$app.png
share/man/man6/epee.6.gz
share/metainfo/$app.metainfo.xml
EOF
}

# Width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}

# The files under $1 (a prefix) against the expected list, then their contents.
check_tree() {
    root=$1
    (cd "$root" && find . -type f | sed 's|^\./||' | sort) >"$tmp/found"
    expected >"$tmp/expected"
    diff -u "$tmp/expected" "$tmp/found" || fail "the installed files are not the expected ones"
    [ -x "$root/games/epee" ] || fail "the program is not executable"
    for size in 48 128 256; do
        got=$(png_size "$root/share/icons/hicolor/${size}x$size/apps/$app.png")
        [ "$got" = "${size}x$size" ] || fail "the ${size}px icon is $got"
    done
    desktop=$root/share/applications/$app.desktop
    desktop-file-validate "$desktop" || fail "desktop entry"
    grep -qx "Name=L'Épée légendaire" "$desktop" || fail "desktop entry name"
    grep -qx "Exec=epee" "$desktop" || fail "desktop entry command"
    grep -qx "Name\[fr\]=Jouer avec la voix" "$desktop" && grep -qx "Exec=epee --parole" "$desktop" ||
        fail "no action to play with the voice"
    grep -qx "Icon=$app" "$desktop" || fail "desktop entry icon"
    grep -q "^Comment\[fr\]=" "$desktop" || fail "no French comment"
    grep -qx "Categories=Game;AdventureGame;" "$desktop" || fail "desktop entry categories"
    metainfo=$root/share/metainfo/$app.metainfo.xml
    appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "AppStream release is not $version"
    gzip -dc "$root/share/doc/$pkg/changelog.gz" | head -1 | grep -q "^$pkg ($version)" ||
        fail "the changelog does not start with $version"
    gzip -dc "$root/share/man/man6/epee.6.gz" | grep -q '^\.TH EPEE 6' || fail "manual page"
}

case $mode in
install)
    cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
    check_tree "$tmp/prefix"
    ;;
package)
    (cd "$tmp" && cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" >/dev/null)
    deb=$tmp/out/${pkg}_${version}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || fail "no package $deb"
    dpkg-deb --info "$deb" >"$tmp/info"
    for field in "Package: $pkg" "Version: $version" "Section: games" "Maintainer: .*<.*@.*>"; do
        grep -q "^ $field\$" "$tmp/info" || fail "package field $field"
    done
    # The libraries the program links, found by the package tools, and no typeface.
    for lib in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 libc6; do
        grep "^ Depends:" "$tmp/info" | grep -q "$lib" || fail "no dependency on $lib"
    done
    grep "^ Depends:" "$tmp/info" | grep -q "fonts-" && fail "depends on a font package"
    dpkg-deb --contents "$deb" >"$tmp/listing"
    awk '$1 !~ /^d/ { print $NF }' "$tmp/listing" | sed 's|^\./usr/||' | sort >"$tmp/contents"
    expected | diff -u - "$tmp/contents" || fail "the package holds other files than expected"
    grep -q '^-rwxr-xr-x root/root .* \./usr/games/epee$' "$tmp/listing" ||
        fail "the program is not an executable owned by root"
    lintian --fail-on error,warning "$deb" || fail "lintian"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "$mode: ok"
