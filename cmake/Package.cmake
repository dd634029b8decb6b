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

# changelog.gz: the release history.
qhj_debian_changelog(${made}/changelog)
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
# AR PL UMing first: where neither face is installed, as on a GNOME or Xfce
# desktop in English, it adds 20 MiB (7 MiB to download) against Noto CJK's
# 88 MiB (53 MiB); the window shows every character in either, and asks for
# Noto Serif CJK first wherever it is installed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
