#!/bin/sh
# Rebuilds the art tool and rewrites assets/*.gif and assets/icons/*.png from assets/src.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/artgen"
cmake -S "$root/tools" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target artgen -j2
"$build/artgen" "$root/assets/src" "$root/assets"
