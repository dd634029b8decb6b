# Settings every target of the project links to through qhj_options.
add_library(qhj_options INTERFACE)

if(MSVC)
    target_compile_options(qhj_options INTERFACE /W4 /utf-8)
    if(QHJ_WARNINGS_AS_ERRORS)
        target_compile_options(qhj_options INTERFACE /WX)
    endif()
else()
    # Sources are UTF-8 and so are narrow literals; u"" literals are exact
    # UTF-16 either way.
    target_compile_options(qhj_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -finput-charset=UTF-8 -fexec-charset=UTF-8)
    # Where the tree was checked out and built leaves no trace in the
    # programs (debug info, __FILE__, the build id hashed over both), so
    # that two folders build the same bytes.
    target_compile_options(qhj_options INTERFACE
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
    if(QHJ_WARNINGS_AS_ERRORS)
        target_compile_options(qhj_options INTERFACE -Werror)
    endif()
endif()

if(QHJ_SANITIZERS)
    target_compile_options(qhj_options INTERFACE
        -fsanitize=${QHJ_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(qhj_options INTERFACE -fsanitize=${QHJ_SANITIZERS})
endif()

# Debian's hardening for the programs it would package: a stack protector,
# fortified libc calls where the optimiser can check them, a read-only
# relocation table bound at start, and position-independent executables.
option(QHJ_HARDENING "Harden the Linux binaries as Debian builds them" ON)
if(QHJ_HARDENING AND UNIX AND NOT EMSCRIPTEN AND NOT QHJ_SANITIZERS)
    target_compile_options(qhj_options INTERFACE
        -fstack-protector-strong -Wformat -Werror=format-security
        $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    # Only where the linker has them: macOS's, which a user building the
    # Python sdist may have, does not.
    include(CheckLinkerFlag)
    check_linker_flag(CXX "-Wl,-z,relro,-z,now" QHJ_LINKER_HAS_RELRO)
    if(QHJ_LINKER_HAS_RELRO)
        target_link_options(qhj_options INTERFACE -Wl,-z,relro,-z,now)
    endif()
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()

# qhj_own_cxx_runtime(<target> <exports map>): a library that loads into
# another program, Python or a JVM, with its C++ runtime inside and only
# the symbols the map names going out, so that it needs nothing of the
# system's C++ and clashes with no other copy of it. On Linux only; other
# systems' linkers have their own ways, and the sdist may be built there.
function(qhj_own_cxx_runtime target map)
    if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
        return()
    endif()
    target_link_options(${target} PRIVATE -Wl,--version-script=${map})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
    # zig's clang puts its libc++ inside by itself.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
    endif()
endfunction()
