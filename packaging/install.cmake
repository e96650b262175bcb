# What `cmake --install` puts where, and the Debian package CPack makes of it (`make package`).
#   games/zarvona                         the program (a game: Debian puts it in /usr/games)
#   share/zarvona/click.wav, right.wav    its cues, found from games/ as ../share/zarvona
#   share/applications, share/metainfo    the desktop entry and the AppStream metadata
#   share/icons/hicolor/*/apps            the icon at seven sizes and as SVG
#   share/man/man6/zarvona.6.gz           the manual page
#   share/doc/zarvona/copyright           the licences, in Debian's machine-readable format
#   share/doc/zarvona/changelog.gz        the releases, in Debian's changelog format

# Installing needs only the program built, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZARVONA_APP_ID org.zarvona.zarvona)
set(ZARVONA_HOMEPAGE https://example.org/zarvona/)

install(TARGETS zarvona RUNTIME DESTINATION games)
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

# The releases: packaging/changelog, newest first, is where a release's version and date are
# written; the project's version must be its newest, and the manual page carries its date.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_SOURCE_DIR}/.reuse/dep5)
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog ZARVONA_NEWEST REGEX "^zarvona \\("
    LIMIT_COUNT 1)
string(REGEX REPLACE "^zarvona \\(([^)]*)\\).*" "\\1" ZARVONA_NEWEST "${ZARVONA_NEWEST}")
if(NOT ZARVONA_NEWEST STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog's newest release is ${ZARVONA_NEWEST}, "
                        "the project's version ${PROJECT_VERSION}")
endif()
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog ZARVONA_RELEASED REGEX "^ -- "
    LIMIT_COUNT 1)
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " ZARVONA_RELEASED
    "${ZARVONA_RELEASED}")
if(NOT ZARVONA_RELEASED)
    message(FATAL_ERROR "packaging/changelog's newest release has no date like Mon, 07 Dec 2026")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(ZARVONA_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
configure_file(packaging/zarvona.6.in ${CMAKE_BINARY_DIR}/zarvona.6 @ONLY)

# Both are compressed as Debian wants them, byte for byte the same on every build (no name, no
# time stamp), from copies in build/docs. The program's target depends on them, so whatever
# builds the program can install it.
find_program(ZARVONA_GZIP gzip REQUIRED)
set(ZARVONA_DOCS)
foreach(doc ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/zarvona.6)
    get_filename_component(name ${doc} NAME)
    set(copy ${CMAKE_BINARY_DIR}/docs/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${doc} ${copy}
        COMMAND ${ZARVONA_GZIP} -n -9 -f ${copy}
        DEPENDS ${doc} VERBATIM)
    list(APPEND ZARVONA_DOCS ${copy}.gz)
endforeach()
add_custom_target(zarvona_docs DEPENDS ${ZARVONA_DOCS})
add_dependencies(zarvona zarvona_docs)
install(FILES ${CMAKE_BINARY_DIR}/docs/zarvona.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/docs/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zarvona)

# Debian's copyright file: the licensing that .reuse/dep5 gives the sources, in Debian's names
# (Expat for MIT), with the licence texts from LICENSES/ as its stand-alone paragraphs.
function(zarvona_licence_paragraph name file out)
    file(READ ${file} text)
    string(STRIP "${text}" text)
    string(REPLACE "\n" "\n " text "${text}")
    string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}")
    string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}") # blank lines in a row
    set(${out} "License: ${name}\n ${text}\n" PARENT_SCOPE)
endfunction()
file(READ ${CMAKE_SOURCE_DIR}/.reuse/dep5 ZARVONA_COPYRIGHT)
string(REGEX REPLACE "(\nLicense: [^\n]*)MIT" "\\1Expat" ZARVONA_COPYRIGHT "${ZARVONA_COPYRIGHT}")
string(REGEX REPLACE "(\nLicense: [^\n]*) AND " "\\1 and " ZARVONA_COPYRIGHT
                     "${ZARVONA_COPYRIGHT}")
zarvona_licence_paragraph(Expat ${CMAKE_SOURCE_DIR}/LICENSES/MIT.txt ZARVONA_EXPAT_TEXT)
zarvona_licence_paragraph(CC-BY-4.0 ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-4.0.txt ZARVONA_CC_BY_TEXT)
file(WRITE ${CMAKE_BINARY_DIR}/copyright.new "${ZARVONA_COPYRIGHT}\n${ZARVONA_EXPAT_TEXT}\n"
    "${ZARVONA_CC_BY_TEXT}\nLicense: CC0-1.0\n On Debian systems, the complete text of the CC0 1.0 "
    "Universal licence can be found in\n /usr/share/common-licenses/CC0-1.0.\n")
configure_file(${CMAKE_BINARY_DIR}/copyright.new ${CMAKE_BINARY_DIR}/copyright COPYONLY)
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
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
