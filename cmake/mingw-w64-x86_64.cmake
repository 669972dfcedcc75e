# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads variant).
# Libraries and headers come only from the mingw sysroot and the folders named in
# CMAKE_PREFIX_PATH (the cross-built libjpeg-turbo); the build host's pkg-config, headers
# and libraries never leak in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TINTO_MINGW_TRIPLE x86_64-w64-mingw32)
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
