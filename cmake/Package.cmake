# `make package`: a .deb of both programs, as Debian's checks want it: a
# DEP-5 copyright file made from LICENSE, a changelog, a long description,
# manual pages, and dependencies from the libraries the programs link
# (dpkg-shlibdeps names the Qt 6 libraries) plus a Song face, in the order
# the program asks for the faces.
include(GNUInstallDirs)
find_program(QHJ_GZIP gzip REQUIRED)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set(made ${CMAKE_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${made})

# copyright: the holder and the terms of LICENSE, in Debian's format.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
set(holder "${QHJ_COPYRIGHT_HOLDER}")
string(FIND "${license}" "Permission is hereby granted" start)
string(SUBSTRING "${license}" ${start} -1 terms)
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${made}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${PROJECT_NAME}
Upstream-Contact: ${QHJ_MAINTAINER}

Files: *
Copyright: ${holder}
License: Expat
 ${terms}
")

# changelog.gz: one entry, this version, on its release day at noon in
# China; Debian wants the day of the week with it (RFC 5322), found here
# with Zeller's congruence.
string(REPLACE "-" ";" ymd ${QHJ_RELEASE_DATE})
list(GET ymd 0 year)
list(GET ymd 1 month)
list(GET ymd 2 day)
math(EXPR month "${month}")
math(EXPR day "${day}")
set(y ${year})
set(m ${month})
if(m LESS 3)
    math(EXPR m "${m} + 12")
    math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(day_names Sat Sun Mon Tue Wed Thu Fri)
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET day_names ${weekday} day_name)
math(EXPR month_index "${month} - 1")
list(GET month_names ${month_index} month_name)
list(GET ymd 2 two_digit_day)
file(WRITE ${made}/changelog
"${PROJECT_NAME} (${PROJECT_VERSION}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}: the window program qinghejian and the
    command-line companion qinghejian-convert.

 -- ${QHJ_MAINTAINER}  ${day_name}, ${two_digit_day} ${month_name} ${year} 12:00:00 +0800
")
add_custom_command(OUTPUT ${made}/changelog.gz
    COMMAND ${QHJ_GZIP} -9n -k -f ${made}/changelog
    DEPENDS ${made}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${made}/changelog.gz)
install(FILES ${made}/copyright ${made}/changelog.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${holder}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QHJ_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "renminbi amounts in Chinese capital numerals")
set(CPACK_PACKAGE_DESCRIPTION "青禾笺 writes an amount of renminbi typed in Arabic digits in Chinese
capital numerals (大写), as cheques, invoices and receipts need it, and
puts the result on the clipboard: 123456.78 becomes
壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整.

The package also holds qinghejian-convert, a command-line companion that
converts many amounts at once, in the window's form or in the form the
payment rules ask for, reads capitals back into figures, checks figures
against capitals and writes a cheque's date in capitals.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
