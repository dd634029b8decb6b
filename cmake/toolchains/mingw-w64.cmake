# What the two Windows toolchain files share: Debian's mingw-w64 for
# QHJ_MINGW_TRIPLET with thread model QHJ_MINGW_THREADS, set by the file
# that includes this one. Host programs (rsvg-convert, icotool,
# ImageMagick) still run from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${QHJ_MINGW_TRIPLET}-gcc-${QHJ_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${QHJ_MINGW_TRIPLET}-g++-${QHJ_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${QHJ_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QHJ_MINGW_TRIPLET})
# Programs from the host, libraries and headers only from the target.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No link time in the PE header, so that two builds of the same sources give
# the same bytes and a download can be checked against the source.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
