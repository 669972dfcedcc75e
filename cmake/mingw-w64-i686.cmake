# Cross-compiling for 32-bit Windows with Debian's mingw-w64 (posix threads variant).
# Libraries and headers come only from the mingw sysroot and the folders named in
# CMAKE_PREFIX_PATH (the cross-built libjpeg-turbo); the build host's pkg-config, headers
# and libraries never leak in.
#
# 32-bit on purpose: the game is an old 32-bit program, and under Program Files Windows
# redirects such a program's writes (and then its reads) to the player's VirtualStore. A
# 64-bit program is never redirected and would see other copies of the game's files.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TINTO_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TINTO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TINTO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TINTO_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TINTO_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${TINTO_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TINTO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config sees no .pc file of the build host.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${TINTO_MINGW_TRIPLE}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Tests and generators of the cross build run under Wine.
find_program(TINTO_WINE wine)
if(TINTO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTO_WINE})
endif()
