# Cross-build for 64-bit Windows with Debian's mingw-w64 (posix thread model),
# for machines that cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Debian keeps the 64-bit loader out of PATH; on a machine that runs 32-bit
# code too, plain "wine" would start the 32-bit loader first.
find_program(CLEAVO_WINE64 NAMES wine64 HINTS /usr/lib/wine /usr/lib64/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CLEAVO_WINE64})
