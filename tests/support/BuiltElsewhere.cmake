# The start of a test project of its own that tests what a preset built in
# another folder (tests/web, tests/python, tests/java): that folder, given
# as the cache variable VARIABLE, QHJ_SOURCE_DIR, and what the build wrote
# of itself (build-info.cmake).
macro(qhj_tests_of_build variable preset)
    set(${variable} "" CACHE PATH "The folder the ${preset} preset built in")
    if(NOT ${variable})
        message(FATAL_ERROR "set ${variable} to the folder the ${preset} preset built in")
    endif()
    get_filename_component(QHJ_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/../.. ABSOLUTE)
    include(${${variable}}/build-info.cmake)
endmacro()

# One test for each of NAMES: SCRIPT run with the argument at the same
# place in RUNS, so that nothing it starts outlives it, with QHJ_SOURCE_DIR,
# the shared table of cases (QHJ_CASES), the package version and
# ENVIRONMENT, under LABEL. Exit status 77 is a skip, said aloud.
function(qhj_script_tests)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "SCRIPT;LABEL" "NAMES;RUNS;ENVIRONMENT")
    foreach(name run IN ZIP_LISTS arg_NAMES arg_RUNS)
        add_test(NAME ${name} COMMAND bash ${QHJ_SOURCE_DIR}/scripts/lib/contained.sh --no-bus
            bash ${arg_SCRIPT} ${run})
    endforeach()
    set(environment QHJ_SOURCE_DIR=${QHJ_SOURCE_DIR} QHJ_CASES=${QHJ_SOURCE_DIR}/tests/support/amount_cases.json
        QHJ_NPM_VERSION=${QHJ_NPM_VERSION} ${arg_ENVIRONMENT})
    set_tests_properties(${arg_NAMES} PROPERTIES ENVIRONMENT "${environment}" LABELS ${arg_LABEL}
        SKIP_RETURN_CODE 77 TIMEOUT 300)
endfunction()
