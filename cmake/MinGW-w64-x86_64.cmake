# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# for std::thread and friends). scripts/windows.sh builds Qt and the game
# with it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TANGLEWICK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TANGLEWICK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TANGLEWICK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TANGLEWICK_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW tree only; programs run on the
# build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TANGLEWICK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
