# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX thread model) and runs the built tests
# under Wine, so ctest drives the Windows executables as it drives the native ones.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRINDLE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRINDLE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRINDLE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BRINDLE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRINDLE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(BRINDLE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(BRINDLE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${BRINDLE_WINE})
endif()
