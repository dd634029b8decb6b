# Linux natives for every glibc from 2.17 on, as manylinux2014 asks: zig's
# C/C++ toolchain (PyPI's ziglang, in build-tools/pypi) links against the
# symbol versions of the glibc its target names, and puts its own libc++
# inside, so the library needs nothing of the system's C++.
#
#   cmake --toolchain cmake/toolchains/zig.cmake -DQHJ_ZIG_ARCH=x86_64|aarch64
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${QHJ_ZIG_ARCH})
# Passed on to the compiler checks' own projects.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QHJ_ZIG_ARCH)

get_filename_component(source ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
file(GLOB zig ${source}/build-tools/pypi/lib/python3*/site-packages/ziglang/zig)
if(NOT zig)
    message(FATAL_ERROR "zig is missing: run scripts/install-pypi-tools.sh")
endif()

# CMake takes one program for each tool: small scripts that call zig with
# the target, in the build folder. zig's cache sits beside the PyPI tools,
# so that a build takes nothing from the user's home.
set(target ${QHJ_ZIG_ARCH}-linux-gnu.2.17)
set(wrappers ${CMAKE_BINARY_DIR}/zig-tools)
set(cache ${source}/build-tools/zig-cache)
foreach(tool cc c++ ar ranlib)
    set(flags)
    if(tool MATCHES "^c")
        set(flags "-target ${target}")
    endif()
    file(CONFIGURE OUTPUT ${wrappers}/${tool} @ONLY CONTENT "#!/bin/sh
ZIG_GLOBAL_CACHE_DIR=\"\${ZIG_GLOBAL_CACHE_DIR:-@cache@}\" exec @zig@ @tool@ @flags@ \"$@\"
")
    file(CHMOD ${wrappers}/${tool} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
endforeach()
set(CMAKE_C_COMPILER ${wrappers}/cc)
set(CMAKE_CXX_COMPILER ${wrappers}/c++)
set(CMAKE_AR ${wrappers}/ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${wrappers}/ranlib CACHE FILEPATH "")
# Only the target's own files: nothing of the build machine's glibc.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# zig compiles its libc++ and libunwind once into its cache, with debug
# information that names where zig and that first build lay; without it,
# the same sources make the same bytes wherever they are checked out.
string(APPEND CMAKE_MODULE_LINKER_FLAGS_INIT " -Wl,--strip-debug")
