# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The -posix compilers carry std::thread and friends. Everything is linked statically, so
# that the programs need no MinGW DLL beside them, under Wine or on a Windows machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingwTriplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingwTriplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingwTriplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingwTriplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingwTriplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the test programs through Wine, in a Wine prefix of the build folder's own
# (created by the first test, see tests/CMakeLists.txt) and without a display: the prefix
# draws nothing, with Wine's null display driver.
# The window tests at another DPI run in a second prefix with the same settings.
find_program(LAPFORGE_WINE NAMES wine64 wine HINTS /usr/lib/wine)
set(LAPFORGE_WINE_ENVIRONMENT WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    --unset=DISPLAY --unset=WAYLAND_DISPLAY)
if(LAPFORGE_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
        ${LAPFORGE_WINE_ENVIRONMENT} ${LAPFORGE_WINE})
endif()
