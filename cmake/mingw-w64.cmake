# Cross build for 64-bit Windows with MinGW-w64 (posix threads), run under Wine:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Without Qt for Windows at hand this builds the Qt-free part of the tree and its tests;
# ctest in that folder runs the tests with wine64 in a Wine prefix of the build's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESS_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESS_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESS_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TESS_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and winpthreads linked in: Wine needs no DLL beyond its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian keeps wine64 out of PATH; the wrapper `wine` would look for a 32-bit Wine first.
find_program(TESS_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(TESS_WINE64 wine64)
find_program(TESS_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(TESS_WINESERVER wineserver)
if(NOT TESS_WINE64)
    message(WARNING "wine64 not found: the tests build but cannot run here")
endif()
# No display, no messages, and no offer to install Mono or Gecko that would wait for
# an answer; the prefix lives in the build folder and is made on the first run.
set(TESS_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${TESS_WINEPREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml="
    WINELOADER=${TESS_WINE64} ${TESS_WINE64})
