# The portable Linux program for x86_64 (cmake/linux-toolchain.cmake).
set(EPEE_LINUX_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-toolchain.cmake)
