# What `cmake --install` puts where, and the Debian package CPack makes of it (`make package`).
#   bin/zarvona                           the program
#   share/zarvona/click.wav, right.wav    its cues, found from bin/ as ../share/zarvona
#   share/applications, share/metainfo    the desktop entry and the AppStream metadata
#   share/icons/hicolor/*/apps            the icon at seven sizes and as SVG
#   share/doc/zarvona/copyright           the licences, in Debian's machine-readable format

# Installing needs only the program built, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZARVONA_APP_ID org.zarvona.zarvona)
set(ZARVONA_HOMEPAGE https://example.org/zarvona/)

install(TARGETS zarvona RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES assets/sounds/click.wav assets/sounds/right.wav
    DESTINATION ${CMAKE_INSTALL_DATADIR}/zarvona)
install(FILES packaging/${ZARVONA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${ZARVONA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES assets/icon/hicolor/zarvona-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${ZARVONA_APP_ID}.png)
endforeach()
install(FILES assets/icon/hicolor/zarvona.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZARVONA_APP_ID}.svg)

# Debian's copyright file, with the licence texts from LICENSES/ as its stand-alone paragraphs.
function(zarvona_licence_paragraph name file out)
    file(READ ${file} text)
    string(STRIP "${text}" text)
    string(REPLACE "\n" "\n " text "${text}")
    string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}")
    string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}") # blank lines in a row
    set(${out} "License: ${name}\n ${text}\n" PARENT_SCOPE)
endfunction()
zarvona_licence_paragraph(Expat ${CMAKE_SOURCE_DIR}/LICENSES/MIT.txt ZARVONA_EXPAT_TEXT)
zarvona_licence_paragraph(CC-BY-4.0 ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-4.0.txt ZARVONA_CC_BY_TEXT)
configure_file(packaging/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zarvona)

# The Debian package. Depends: what the program links (found by dpkg-shlibdeps), plus what it
# loads or asks for by name, which shlibdeps cannot see: libcanberra (opened at the first cue)
# and the packages of the faces the window pins. The sound server's bridge is only recommended,
# so that installing the riddle book never brings in a sound server of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarvona)
set(CPACK_PACKAGE_VENDOR "Koravel")
set(CPACK_PACKAGE_CONTACT "Koravel <koravel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "book of 100 Arabic riddles")
set(CPACK_PACKAGE_DESCRIPTION
    "A small riddle book that shows one Arabic riddle at a time: read the question,\n\
click the answer picture to reveal the answer, move to the next or previous\n\
riddle or jump to any of the hundred by number. Short sound cues accompany\n\
each move and each first reveal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZARVONA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra0, fonts-hosny-amiri, fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
