# The Windows build's set-up: every program linked without C or C++ runtime DLLs, Wine to
# run at build and test time what was built here, and GoogleTest from Debian's sources.
add_link_options(-static -static-libgcc -static-libstdc++)

# Wine in a prefix of this build's own, quiet, and without offering to install its .NET
# and HTML engines, which no program here needs.
set(EPEE_WINE env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${EPEE_WINE})

set(BUILD_GMOCK OFF CACHE BOOL "")
set(INSTALL_GTEST OFF CACHE BOOL "")
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# (It names its targets GTest::gtest and GTest::gtest_main itself.)
