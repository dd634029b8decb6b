# Renders the program's icon from assets/icon/qinghejian.svg at build time:
#   qinghejian-24.png       24 x 24, 32-bit RGBA (window and desktop icon)
#   qinghejian-24-8bit.png  24 x 24, 256-colour palette
#   qinghejian.ico          both images, for the Windows program
# qhj_icon_target(<name>) adds a target that makes them in
# ${CMAKE_BINARY_DIR}/icon and sets QHJ_ICON_DIR.

find_program(QHJ_RSVG_CONVERT rsvg-convert REQUIRED)
# /usr/local/bin may hold a stand-in called convert; ask for ImageMagick's own.
find_program(QHJ_IMAGEMAGICK NAMES convert-im6.q16 convert-im6 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
find_program(QHJ_ICOTOOL icotool REQUIRED)

set(QHJ_ICON_SOURCE ${PROJECT_SOURCE_DIR}/assets/icon/qinghejian.svg)
set(QHJ_ICON_DIR ${CMAKE_BINARY_DIR}/icon)

function(qhj_icon_target name)
    set(png32 ${QHJ_ICON_DIR}/qinghejian-24.png)
    set(png8 ${QHJ_ICON_DIR}/qinghejian-24-8bit.png)
    set(ico ${QHJ_ICON_DIR}/qinghejian.ico)
    add_custom_command(
        OUTPUT ${png32} ${png8} ${ico}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QHJ_ICON_DIR}
        COMMAND ${QHJ_RSVG_CONVERT} -w 24 -h 24 ${QHJ_ICON_SOURCE} -o ${png32}
        COMMAND ${QHJ_IMAGEMAGICK} ${png32} PNG8:${png8}
        COMMAND ${QHJ_ICOTOOL} -c -o ${ico} -b 8 ${png8} -b 32 ${png32}
        DEPENDS ${QHJ_ICON_SOURCE}
        COMMENT "Rendering the icon"
        VERBATIM)
    add_custom_target(${name} DEPENDS ${png32} ${png8} ${ico})
endfunction()
