# qhj_window_cases(<target>): gives <target> window_cases_text.h, the
# window's table of cases (window_cases.tsv) as a UTF-16 string, so that the
# C++ tests read the same table the shell and Python tests read.
function(qhj_window_cases target)
    set(table ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/window_cases.tsv)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/window_cases)
    file(READ ${table} QHJ_WINDOW_CASES)
    file(CONFIGURE OUTPUT ${dir}/window_cases_text.h
        CONTENT "// Made from tests/support/window_cases.tsv at configure time.\n#pragma once\n#include <string_view>\ninline constexpr std::u16string_view kWindowCasesText = uR\"qhj(@QHJ_WINDOW_CASES@)qhj\";\n"
        @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
    target_include_directories(${target} PUBLIC ${dir})
endfunction()
