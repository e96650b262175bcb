# The program file's resources: the version block and the icon. The icon is written as the
# file's one icon group (1) holding one image (30001), so its bytes are copied from the .ico as
# they are, not handed to windres's ICON statement, which numbers the images itself.
set(ZARVONA_ICON ${CMAKE_SOURCE_DIR}/assets/icon/zarvona.ico)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZARVONA_ICON})
file(READ ${ZARVONA_ICON} ZARVONA_ICON_HEADER LIMIT 22 HEX)
# One image: its directory entry (bytes 6 to 21) gives its size, then where it starts.
string(SUBSTRING ${ZARVONA_ICON_HEADER} 8 4 count)
if(NOT count STREQUAL "0100")
    message(FATAL_ERROR "${ZARVONA_ICON} must hold exactly one image")
endif()
string(SUBSTRING ${ZARVONA_ICON_HEADER} 12 8 ZARVONA_ICON_ENTRY) # width, height, colours, 0
string(SUBSTRING ${ZARVONA_ICON_HEADER} 20 8 planes_bits)
string(SUBSTRING ${ZARVONA_ICON_HEADER} 28 8 size_hex)
string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" size_hex ${size_hex})
math(EXPR ZARVONA_ICON_BYTES "0x${size_hex}" OUTPUT_FORMAT DECIMAL)
file(READ ${ZARVONA_ICON} image OFFSET 22 LIMIT ${ZARVONA_ICON_BYTES} HEX)
# As the resource compiler's 16-bit words, low byte first.
string(REGEX REPLACE "(..)(..)" "0x\\2\\1, " image ${image})
string(REGEX REPLACE ", $" "" ZARVONA_ICON_WORDS ${image})
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\2\\1, 0x\\4\\3" ZARVONA_ICON_ENTRY
    ${ZARVONA_ICON_ENTRY})
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\2\\1, 0x\\4\\3" ZARVONA_ICON_PLANES_BITS
    ${planes_bits})
string(REPLACE "." "," ZARVONA_FILE_VERSION "${PROJECT_VERSION}.0")
configure_file(${CMAKE_SOURCE_DIR}/packaging/zarvona.rc.in ${CMAKE_BINARY_DIR}/zarvona.rc @ONLY)
target_sources(zarvona PRIVATE ${CMAKE_BINARY_DIR}/zarvona.rc)
