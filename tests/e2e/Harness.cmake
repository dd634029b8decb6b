# qhj_form1_layout(<source dir> <generated dir>): builds
# tests/e2e/form1_layout.cpp with the host compiler and runs it at build
# time, writing ${CMAKE_BINARY_DIR}/form1.sh for the end-to-end harness;
# sets QHJ_FORM1_LAYOUT to that file. <generated dir> holds the build's
# version/version.h. Included by the Linux build and by the Wine test
# project alike.
function(qhj_form1_layout source_dir generated_dir)
    add_executable(form1_layout
        ${source_dir}/tests/e2e/form1_layout.cpp
        ${source_dir}/src/cli/utf8.cpp)
    target_include_directories(form1_layout PRIVATE ${source_dir}/src ${generated_dir})
    set_target_properties(form1_layout PROPERTIES CXX_STANDARD 20 CXX_STANDARD_REQUIRED ON)
    set(layout ${CMAKE_BINARY_DIR}/form1.sh)
    add_custom_command(OUTPUT ${layout}
        COMMAND form1_layout > ${layout}
        DEPENDS form1_layout
        COMMENT "Writing Form1's layout for the end-to-end harness"
        VERBATIM)
    add_custom_target(form1_layout_file ALL DEPENDS ${layout})
    set(QHJ_FORM1_LAYOUT ${layout} PARENT_SCOPE)
endfunction()

# The window's end-to-end scenarios, each a test that runs it against one
# program, adding e2e_<backend>_<scenario><suffix>:
#   qhj_e2e_scenarios(<qt|wine> <label> <scenario>... [NAME_SUFFIX <suffix>]
#       ENVIRONMENT <var=value>... [PROPERTIES <test properties>...])
function(qhj_e2e_scenarios backend label)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "NAME_SUFFIX" "ENVIRONMENT;PROPERTIES")
    get_filename_component(harness ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/harness ABSOLUTE)
    foreach(scenario ${arg_UNPARSED_ARGUMENTS})
        set(name e2e_${backend}_${scenario}${arg_NAME_SUFFIX})
        add_test(NAME ${name}
            COMMAND bash ${harness}/run_scenario.sh ${backend}
                ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/scenarios/${scenario}.sh)
        set_tests_properties(${name} PROPERTIES
            LABELS ${label}
            TIMEOUT 180
            ENVIRONMENT "LC_ALL=C.UTF-8;QHJ_FORM1_LAYOUT=${QHJ_FORM1_LAYOUT};${arg_ENVIRONMENT}"
            ${arg_PROPERTIES})
    endforeach()
endfunction()
