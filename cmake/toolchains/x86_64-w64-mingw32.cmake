# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model).
# Host programs (rsvg-convert, icotool, ImageMagick) still run from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QHJ_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QHJ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QHJ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QHJ_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QHJ_MINGW_TRIPLET})
# Programs from the host, libraries and headers only from the target.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
