# Cross build for 32-bit Windows (x86) with Debian's mingw-w64, for the older
# PCs that cannot start a 64-bit program. The win32 thread model: with the
# posix one, the 32-bit unwinder brings in winpthread and the program no
# longer fits in 200 KiB; nothing here uses C++ threads.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QHJ_MINGW_TRIPLET i686-w64-mingw32)
set(QHJ_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
