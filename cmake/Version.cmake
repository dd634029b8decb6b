# Forms of project(VERSION) that other files need, and a summary of this build
# for the Wine test project (tests/wine), which is built apart from it.
#   QHJ_VERSION_NUMBERS  "1,0,0,0", as VERSIONINFO writes it
#   QHJ_VERSION_DOTTED   "1.0.0.0", as a manifest writes it
foreach(part MAJOR MINOR PATCH TWEAK)
    set(number "${PROJECT_VERSION_${part}}")
    if(number STREQUAL "")
        set(number 0)
    endif()
    math(EXPR number "${number}")
    list(APPEND qhj_version_parts ${number})
endforeach()
list(JOIN qhj_version_parts "," QHJ_VERSION_NUMBERS)
list(JOIN qhj_version_parts "." QHJ_VERSION_DOTTED)

# QHJ_COPYRIGHT_HOLDER and QHJ_COPYRIGHT, "Copyright (c) <holder>", as LICENSE
# states them: for the Windows version resource and the package.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE qhj_license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${qhj_license}")
set(QHJ_COPYRIGHT_HOLDER "${CMAKE_MATCH_1}")
set(QHJ_COPYRIGHT "Copyright (c) ${QHJ_COPYRIGHT_HOLDER}")
# QHJ_PUBLISHER, the maintainer's name without the address: the Windows
# installers' publisher.
string(REGEX REPLACE " *<.*" "" QHJ_PUBLISHER "${QHJ_MAINTAINER}")

# npm's versions are three plain numbers: 1.00 is 1.0.0. The package and
# its tarball go by it.
list(SUBLIST qhj_version_parts 0 3 npm_parts)
list(JOIN npm_parts "." QHJ_NPM_VERSION)

file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/build-info.cmake @ONLY CONTENT [[
# Written by the build in this folder; tests/wine and the packaging scripts
# read it.
set(QHJ_VERSION "@PROJECT_VERSION@")
set(QHJ_VERSION_DOTTED "@QHJ_VERSION_DOTTED@")
set(QHJ_NPM_VERSION "@QHJ_NPM_VERSION@")
set(QHJ_RELEASE_DATE "@QHJ_RELEASE_DATE@")
set(QHJ_COPYRIGHT "@QHJ_COPYRIGHT@")
set(QHJ_PUBLISHER "@QHJ_PUBLISHER@")
set(QHJ_BUILD_BIN "@CMAKE_RUNTIME_OUTPUT_DIRECTORY@")
set(QHJ_BUILD_PROCESSOR "@CMAKE_SYSTEM_PROCESSOR@")
]])
