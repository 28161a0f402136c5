# Builds the portable Linux program for EPEE_LINUX_ARCH (x86_64 or aarch64; see
# cmake/linux-x86_64.cmake and cmake/linux-aarch64.cmake): clang against a Debian 11 tree
# made by tools/debian-tree.sh, so that the program needs no C library newer than 2.31,
# and its C++ runtime, gcc 10's, linked in. EPEE_THIRDPARTY_PREFIX names the libraries
# built by tools/thirdparty.sh; only they and the tree are searched, never the build
# machine's own files.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${EPEE_LINUX_ARCH})
set(EPEE_LINUX_PORTABLE ON)

# Sets VAR to the folder of the Debian 11 tree of DEBIAN_ARCH with development files.
function(epee_debian11_tree var debian_arch)
  execute_process(COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../tools/debian-tree.sh bullseye ${debian_arch} build
                  OUTPUT_VARIABLE tree OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${var} ${tree} PARENT_SCOPE)
endfunction()

if(NOT EPEE_LINUX_SYSROOT)
  set(debian_arch amd64)
  if(EPEE_LINUX_ARCH STREQUAL aarch64)
    set(debian_arch arm64)
  endif()
  epee_debian11_tree(tree ${debian_arch})
  set(EPEE_LINUX_SYSROOT ${tree} CACHE PATH "The Debian 11 tree built against")
endif()
if(NOT EPEE_LINUX_BUILD_TREE)
  epee_debian11_tree(tree amd64)
  set(EPEE_LINUX_BUILD_TREE ${tree} CACHE PATH "The Debian 11 tree whose programs run here")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EPEE_THIRDPARTY_PREFIX EPEE_LINUX_SYSROOT
     EPEE_LINUX_BUILD_TREE)

set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${EPEE_LINUX_ARCH}-linux-gnu)
set(CMAKE_CXX_COMPILER_TARGET ${EPEE_LINUX_ARCH}-linux-gnu)
set(CMAKE_SYSROOT ${EPEE_LINUX_SYSROOT})
set(CMAKE_LIBRARY_ARCHITECTURE ${EPEE_LINUX_ARCH}-linux-gnu)
# The tree's gcc 10 lends clang its C++ headers, runtime and start files.
add_compile_options(--gcc-toolchain=${EPEE_LINUX_SYSROOT}/usr)
add_link_options(--gcc-toolchain=${EPEE_LINUX_SYSROOT}/usr -fuse-ld=lld
                 -static-libstdc++ -static-libgcc -Wl,--as-needed)

set(CMAKE_FIND_ROOT_PATH ${EPEE_THIRDPARTY_PREFIX})
set(CMAKE_PREFIX_PATH ${EPEE_THIRDPARTY_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${EPEE_LINUX_SYSROOT})
set(ENV{PKG_CONFIG_LIBDIR}
    "${EPEE_LINUX_SYSROOT}/usr/lib/${EPEE_LINUX_ARCH}-linux-gnu/pkgconfig:${EPEE_LINUX_SYSROOT}/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
# Wayland's protocols are turned into C by the Debian 11 scanner (the x86-64 one, which
# runs here), whose code calls only what Debian 11's client library has.
set(WAYLAND_SCANNER ${EPEE_LINUX_BUILD_TREE}/usr/bin/wayland-scanner CACHE FILEPATH "")
if(EPEE_LINUX_ARCH STREQUAL aarch64)
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L ${EPEE_LINUX_SYSROOT})
endif()
