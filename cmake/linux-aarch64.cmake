# The portable Linux program for aarch64 (cmake/linux-toolchain.cmake).
set(EPEE_LINUX_ARCH aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-toolchain.cmake)
