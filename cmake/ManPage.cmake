# qhj_man_page(<page>) turns docs/<page>.in, say qinghejian-convert.1.in, into
# the manual page with the version filled in, compresses it as Debian wants
# (gzip -9n) and installs it in the section its name ends with.
include(GNUInstallDirs)
find_program(QHJ_GZIP gzip REQUIRED)

function(qhj_man_page page)
    set(made ${CMAKE_CURRENT_BINARY_DIR}/${page})
    configure_file(${PROJECT_SOURCE_DIR}/docs/${page}.in ${made} @ONLY)
    string(REGEX MATCH "[0-9]$" section ${page})
    set(gz ${made}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND sh -c "'${QHJ_GZIP}' -9n -c '${made}' > '${gz}'"
        DEPENDS ${made}
        COMMENT "Compressing the manual page ${page}"
        VERBATIM)
    add_custom_target(man_${page} ALL DEPENDS ${gz})
    install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
