# qhj_test_table(<target> <stem> <constant> [UTF8]): gives <target>
# <stem>_text.h, the table tests/support/<stem>.tsv as the string
# <constant>, UTF-16 or, with UTF8, UTF-8, so that the C++ tests read the
# same table the shell and Python tests read.
function(qhj_test_table target stem constant)
    set(type std::u16string_view)
    set(prefix u)
    if(ARGV3 STREQUAL "UTF8")
        set(type std::string_view)
        set(prefix "")
    endif()
    set(table ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${stem}.tsv)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/test_tables)
    file(READ ${table} QHJ_TABLE)
    file(CONFIGURE OUTPUT ${dir}/${stem}_text.h
        CONTENT "// Made from tests/support/${stem}.tsv at configure time.\n#pragma once\n#include <string_view>\ninline constexpr ${type} ${constant} = ${prefix}R\"qhj(@QHJ_TABLE@)qhj\";\n"
        @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
    target_include_directories(${target} PUBLIC ${dir})
endfunction()
