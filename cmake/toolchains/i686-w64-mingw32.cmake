# Cross build for 32-bit Windows (x86) with Debian's mingw-w64, for the older
# PCs that cannot start a 64-bit program. The win32 thread model: with the
# posix one, the 32-bit unwinder brings in winpthread and the program no
# longer fits in 200 KiB; nothing here uses C++ threads. Host programs
# (rsvg-convert, icotool, ImageMagick) still run from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(QHJ_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QHJ_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${QHJ_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${QHJ_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QHJ_MINGW_TRIPLET})
# Programs from the host, libraries and headers only from the target.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
