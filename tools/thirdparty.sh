#!/usr/bin/env bash
# Builds SDL2, SDL2_ttf, SDL2_image and FreeType as static libraries for a cross toolchain,
# from the Debian source packages of the versions the Linux build links, into a cache.
#   tools/thirdparty.sh TOOLCHAIN        (TOOLCHAIN: mingw, emscripten, linux or aarch64)
# Prints the install prefix (include/, lib/, lib/cmake, lib/pkgconfig, share/licenses) on
# its last line. The sources are fetched once into $CACHE/sources; each library is built in
# a scratch folder and copied into $CACHE/TOOLCHAIN-KEY only once it built and installed
# whole, then stamped, so a second run rebuilds nothing and a failure leaves nothing
# half-built behind. KEY is a digest of every library's configuration: a changed flag
# builds a fresh prefix beside the old one, which builds still using it keep.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
CACHE=${EPEE_THIRDPARTY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/epee-legendaire/thirdparty}
JOBS=${JOBS:-2}
TOOLCHAIN=${1:-}

die() {
    echo "thirdparty: $*" >&2
    exit 1
}

SDL_OPTIONS=()
case "$TOOLCHAIN" in
mingw) TOOLCHAIN_FILE=$ROOT/cmake/mingw-w64.cmake ;;
linux | aarch64)
    # The portable Linux program, for x86-64 or arm64, against a Debian 11 tree. SDL loads
    # X11, Wayland and KMSDRM's libraries (libdrm, gbm, EGL) when it starts, whichever the
    # player's system has, so the program links none of them; the game has no sound.
    TOOLCHAIN_FILE=$ROOT/cmake/linux-$([ "$TOOLCHAIN" = linux ] && echo x86_64 || echo aarch64).cmake
    SDL_OPTIONS=(-DSDL_AUDIO=OFF -DSDL_X11_SHARED=ON -DSDL_WAYLAND_SHARED=ON -DSDL_KMSDRM_SHARED=ON
        -DSDL_LIBSAMPLERATE=OFF -DSDL_RPATH=OFF -DSDL_HIDAPI_LIBUSB=OFF)
    ;;
emscripten)
    TOOLCHAIN_FILE=$ROOT/cmake/emscripten.cmake
    # Debian's emcc needs Debian's node modules, even when another node comes first in PATH.
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    ;;
*) die "usage: $0 mingw|emscripten|linux|aarch64" ;;
esac

SOURCES=$CACHE/sources
# Debian source package of each library, by the -dev package the Linux build links.
declare -A DEV_PACKAGE=(
    [freetype]=libfreetype-dev
    [libsdl2]=libsdl2-dev
    [libsdl2-ttf]=libsdl2-ttf-dev
    [libsdl2-image]=libsdl2-image-dev
)

# "source=version" of the installed -dev package's source, e.g. libsdl2=2.26.5+dfsg-1.
source_version() {
    dpkg-query -W -f='${source:Package}=${source:Version}' "${DEV_PACKAGE[$1]}" 2>/dev/null ||
        die "${DEV_PACKAGE[$1]} is not installed (make deps installs it)"
}

# The Debian mirror for a private deb-src list.
# shellcheck source=tools/debian-mirror.sh
. "$ROOT/tools/debian-mirror.sh"

# Downloads the four source packages through a private apt list and state folder (the
# system's apt configuration stays as it is); apt checks every file against the signed
# index. Unpacks each with its Debian patches into $SOURCES/NAME.
fetch_sources() {
    [ -f "$SOURCES/.complete" ] && return
    local work=$CACHE/tmp/sources apt mirror keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    rm -rf "$work" && mkdir -p "$work/download"
    apt=$work/apt
    mkdir -p "$apt/state/lists/partial" "$apt/cache/archives/partial"
    mirror=$(debian_mirror)
    {
        echo "deb-src [signed-by=$keyring] $mirror bookworm main"
        echo "deb-src [signed-by=$keyring] $mirror bookworm-updates main"
        echo "deb-src [signed-by=$keyring] ${mirror%/debian}/debian-security bookworm-security main"
    } >"$apt/sources.list"
    local options=(-q -o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o "Dir::State=$apt/state" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
    apt-get "${options[@]}" --error-on=any update >"$work/update.log" 2>&1 ||
        die "cannot read the Debian source index from $mirror (no network?); see $work/update.log"
    local specs=() name
    for name in "${!DEV_PACKAGE[@]}"; do specs+=("$(source_version "$name")"); done
    (cd "$work/download" && apt-get "${options[@]}" source --download-only "${specs[@]}") \
        >"$work/source.log" 2>&1 ||
        die "downloading ${specs[*]} failed or a file did not match its checksum; see $work/source.log"
    mkdir -p "$work/unpacked"
    for name in "${!DEV_PACKAGE[@]}"; do
        dpkg-source --no-copy -x "$work/download/${name}_"*.dsc "$work/unpacked/$name" >>"$work/unpack.log" 2>&1 ||
            die "unpacking $name failed; see $work/unpack.log"
    done
    rm -rf "$SOURCES"
    mv "$work/unpacked" "$SOURCES"
    touch "$SOURCES/.complete"
    rm -rf "$work"
}

# Configures, builds and installs one library with CMake for the toolchain, staged in a
# scratch folder, then copies it into the prefix and stamps it, with its licence text.
build_library() {
    local name=$1 source=$SOURCES/$2 licence=$3
    shift 3
    [ -f "$PREFIX/.stamps/$name" ] && return
    local work=$CACHE/tmp/$TOOLCHAIN-$KEY-$name
    rm -rf "$work" && mkdir -p "$work"
    echo "thirdparty: building $name for $TOOLCHAIN into $PREFIX" >&2
    # FreeType's generated configuration folder comes before its sources' on the include path.
    if [ "$name" = freetype ] && [ -n "$FREETYPE_MODULES" ]; then
        mkdir -p "$work/build/include/freetype/config"
        echo "$FREETYPE_MODULES" >"$work/build/include/freetype/config/ftmodule.h"
    fi
    {
        cmake -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
            -DEPEE_THIRDPARTY_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_INSTALL_LIBDIR=lib -DBUILD_SHARED_LIBS=OFF \
            "${COMMON_FLAGS[@]}" "$@" &&
            cmake --build "$work/build" -j "$JOBS" &&
            DESTDIR="$work/stage" cmake --install "$work/build"
    } >"$work/build.log" 2>&1 || die "building $name failed; see $work/build.log"
    mkdir -p "$work/stage$PREFIX/share/licenses"
    cat "$source/$licence" "$source/debian/copyright" >"$work/stage$PREFIX/share/licenses/$name.txt"
    mkdir -p "$PREFIX/.stamps"
    cp -a "$work/stage$PREFIX/." "$PREFIX/"
    touch "$PREFIX/.stamps/$name"
    rm -rf "$work"
}

FREETYPE_FLAGS=(-DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON)
SDL_FLAGS=(-DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_UNINSTALL=ON "${SDL_OPTIONS[@]}")
TTF_FLAGS=(-DSDL2TTF_SAMPLES=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF)
IMAGE_FLAGS=(-DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF
    -DSDL2IMAGE_BACKEND_STB=OFF -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_BACKEND_IMAGEIO=OFF
    -DSDL2IMAGE_GIF=ON -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_BMP=OFF -DSDL2IMAGE_JPG=OFF
    -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNG=OFF
    -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF
    -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_XPM=OFF
    -DSDL2IMAGE_XV=OFF)
# FreeType's modules, when only some are wanted (an ftmodule.h; empty keeps them all).
FREETYPE_MODULES=
COMMON_FLAGS=()
if [ "$TOOLCHAIN" = emscripten ]; then
    # Every byte is downloaded before the game starts: built for size, as bitcode that the
    # game's link optimises with its own code, without what a page never uses. The game
    # draws with SDL's software renderer, reads no files and plays no sound; gamepads stay.
    COMMON_FLAGS=("-DCMAKE_C_FLAGS_RELEASE=-Oz -DNDEBUG" "-DCMAKE_CXX_FLAGS_RELEASE=-Oz -DNDEBUG"
        -DCMAKE_C_FLAGS=-flto -DCMAKE_CXX_FLAGS=-flto)
    SDL_FLAGS+=(-DSDL_AUDIO=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
        -DSDL_FILESYSTEM=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_LOADSO=OFF -DSDL_HIDAPI=OFF
        -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_DUMMYVIDEO=OFF -DSDL_OFFSCREEN=OFF
        -DSDL_DISKAUDIO=OFF -DSDL_DUMMYAUDIO=OFF -DSDL_ASSERTIONS=disabled
        # Nor YUV pictures, run-length or 1-bit surfaces, 16-bit colour.
        "-DCMAKE_C_FLAGS=-flto -DSDL_HAVE_YUV=0 -DSDL_HAVE_RLE=0 -DSDL_HAVE_BLIT_0=0 -DSDL_HAVE_BLIT_N_RGB565=0")
    # TrueType outlines drawn in grey levels: the other formats' drivers are never called.
    # The light hinting the game asks for is the auto-hinter's, whatever hints the face has.
    FREETYPE_MODULES='FT_USE_MODULE( FT_Module_Class, autofit_module_class )
FT_USE_MODULE( FT_Driver_ClassRec, tt_driver_class )
FT_USE_MODULE( FT_Module_Class, sfnt_module_class )
FT_USE_MODULE( FT_Renderer_Class, ft_smooth_renderer_class )'
fi
KEY=$({
    [ -z "${TOOLCHAIN_FILE:-}" ] || cat "$TOOLCHAIN_FILE"
    printf '%s\n' "${FREETYPE_FLAGS[@]}" "$FREETYPE_MODULES" "${SDL_FLAGS[@]}" "${TTF_FLAGS[@]}" \
        "${IMAGE_FLAGS[@]}" "${COMMON_FLAGS[@]}"
} | sha256sum | cut -c1-12)
PREFIX=$CACHE/$TOOLCHAIN-$KEY

mkdir -p "$CACHE"
# Builds sharing the cache take turns to fetch the sources, then to fill each prefix; once
# the sources are there, other prefixes are built meanwhile.
if [ ! -f "$SOURCES/.complete" ]; then
    exec 9>"$CACHE/.lock"
    flock 9
    fetch_sources
    exec 9>&-
fi
exec 8>"$PREFIX.lock"
flock 8
build_library freetype freetype LICENSE.TXT "${FREETYPE_FLAGS[@]}"
build_library SDL2 libsdl2 LICENSE.txt "${SDL_FLAGS[@]}"
build_library SDL2_ttf libsdl2-ttf LICENSE.txt "${TTF_FLAGS[@]}"
build_library SDL2_image libsdl2-image LICENSE.txt "${IMAGE_FLAGS[@]}"
echo "$PREFIX"
