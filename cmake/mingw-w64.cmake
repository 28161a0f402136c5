# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for std::thread
# and friends). EPEE_THIRDPARTY_PREFIX names the libraries built by tools/thirdparty.sh;
# only they and MinGW's own files are searched, never the build machine's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EPEE_THIRDPARTY_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${EPEE_THIRDPARTY_PREFIX})
set(CMAKE_PREFIX_PATH ${EPEE_THIRDPARTY_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "${EPEE_THIRDPARTY_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
