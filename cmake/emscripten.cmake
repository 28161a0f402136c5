# Builds for web browsers with Debian's Emscripten. EPEE_THIRDPARTY_PREFIX names the
# libraries built by tools/thirdparty.sh; they are searched before Emscripten's own files
# (whose SDL2 stand-in would need a download), never the build machine's.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EPEE_THIRDPARTY_PREFIX)
list(PREPEND CMAKE_FIND_ROOT_PATH ${EPEE_THIRDPARTY_PREFIX})
set(CMAKE_PREFIX_PATH ${EPEE_THIRDPARTY_PREFIX})
set(ENV{PKG_CONFIG_LIBDIR} "${EPEE_THIRDPARTY_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
