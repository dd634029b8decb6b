# The program's icon, rendered from assets/icon/qinghejian.svg at build time
# into ${CMAKE_BINARY_DIR}/icon (QHJ_ICON_DIR):
#
#   qhj_icon_pngs(<target>)  qinghejian-<N>.png, 32-bit RGBA, for every N of
#                            QHJ_ICON_SIZES: what a desktop asks for, from
#                            the title bar at 100 % to the launcher at 200 %
#   qhj_icon_ico(<target>)   qinghejian.ico for the Windows program: the
#                            described 24 x 24 256-colour and 32-bit images,
#                            then 32-bit PNG-coded ones of QHJ_ICO_SIZES for
#                            Explorer's other views and shortcuts

set(QHJ_ICON_SOURCE ${PROJECT_SOURCE_DIR}/assets/icon/qinghejian.svg)
set(QHJ_ICON_DIR ${CMAKE_BINARY_DIR}/icon)
set(QHJ_ICON_SIZES 16 24 32 48 64 128 256)

find_program(QHJ_RSVG_CONVERT rsvg-convert REQUIRED)

function(qhj_icon_pngs name)
    set(pngs)
    foreach(size ${QHJ_ICON_SIZES})
        set(png ${QHJ_ICON_DIR}/qinghejian-${size}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${QHJ_ICON_DIR}
            COMMAND ${QHJ_RSVG_CONVERT} -w ${size} -h ${size} ${QHJ_ICON_SOURCE} -o ${png}
            DEPENDS ${QHJ_ICON_SOURCE}
            COMMENT "Rendering the ${size} px icon"
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    add_custom_target(${name} DEPENDS ${pngs})
endfunction()

set(QHJ_ICO_SIZES 16 32 48 256)

function(qhj_icon_ico name)
    # /usr/local/bin may hold a stand-in called convert; ask for ImageMagick's own.
    find_program(QHJ_IMAGEMAGICK NAMES convert-im6.q16 convert-im6 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
    find_program(QHJ_ICOTOOL icotool REQUIRED)
    set(png32 ${QHJ_ICON_DIR}/qinghejian-24.png)
    set(png8 ${QHJ_ICON_DIR}/qinghejian-24-8bit.png)
    set(ico ${QHJ_ICON_DIR}/qinghejian.ico)
    set(renders)
    set(images)
    foreach(size ${QHJ_ICO_SIZES})
        set(png ${QHJ_ICON_DIR}/qinghejian-ico-${size}.png)
        list(APPEND renders COMMAND ${QHJ_RSVG_CONVERT} -w ${size} -h ${size} ${QHJ_ICON_SOURCE} -o ${png})
        # PNG-coded, which Windows reads from Vista on: as bitmaps these
        # four would add 16 KiB to a program meant to stay under 200 KiB.
        list(APPEND images -r ${png})
    endforeach()
    add_custom_command(
        OUTPUT ${png32} ${png8} ${ico}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QHJ_ICON_DIR}
        COMMAND ${QHJ_RSVG_CONVERT} -w 24 -h 24 ${QHJ_ICON_SOURCE} -o ${png32}
        COMMAND ${QHJ_IMAGEMAGICK} ${png32} PNG8:${png8}
        ${renders}
        COMMAND ${QHJ_ICOTOOL} -c -o ${ico} -b 8 ${png8} -b 32 ${png32} ${images}
        DEPENDS ${QHJ_ICON_SOURCE}
        COMMENT "Rendering the Windows icon"
        VERBATIM)
    add_custom_target(${name} DEPENDS ${ico})
endfunction()
