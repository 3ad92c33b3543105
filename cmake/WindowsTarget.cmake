# A Windows build made on Linux: GoogleTest is built for the target from
# Debian's own sources, and the tests run under Wine in a prefix of the build
# folder's own.
set(QUILLET_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built for the Windows target")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUILLET_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${PROJECT_BINARY_DIR}/wine ${PROJECT_SOURCE_DIR}/scripts/wine-run)
