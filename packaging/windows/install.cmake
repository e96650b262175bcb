# What `cmake --install` puts where for Windows: one folder that runs from anywhere, which the
# installer and the zip carry as it is (packaging/windows/zarvona.nsi, scripts/build-windows).
#   Zarvona.exe, click.wav, right.wav     the program and its cues, found beside it
#   Qt6*.dll, platforms/, styles/, qt.conf  Qt and the two plugins the window needs
#   lib*.dll                              the compiler's runtime
#   translations/qtbase_ar.qm             Qt's own texts in Arabic (the box's button)
#   fonts/                                the window's faces, registered for the program alone
#   licences/                             the licences of all of it
# Everything shipped that is not the program's own comes from Debian packages on the build
# machine or from the Qt built from Debian's source (scripts/build-qt-windows).

set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS zarvona RUNTIME DESTINATION .)
install(FILES assets/sounds/click.wav assets/sounds/right.wav DESTINATION .)

# Qt, from the prefix this build found it in.
get_filename_component(ZARVONA_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
foreach(module Core Gui Widgets)
    install(FILES ${ZARVONA_QT_PREFIX}/bin/Qt6${module}.dll DESTINATION .)
endforeach()
install(FILES ${ZARVONA_QT_PREFIX}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${ZARVONA_QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# Qt's paths from the program's own folder, wherever it is installed; and Qt's own FreeType
# engine for the faces, which draws them exactly as on Linux (GDI's differs in 1.6% of the first
# screen's pixels; scripts/check-windows --font-engine native measures it).
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n"
    "[Platforms]\nWindowsArguments = fontengine=freetype\n")
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION .)
# Qt's translations are the same files on every platform: Debian's, of the same Qt release.
install(FILES /usr/share/qt6/translations/qtbase_ar.qm DESTINATION translations)

# The compiler's runtime, which Qt and the program link.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE ZARVONA_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
    OUTPUT_VARIABLE ZARVONA_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE ZARVONA_LIBWINPTHREAD OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(dll ${ZARVONA_LIBSTDCXX} ${ZARVONA_LIBGCC} ${ZARVONA_LIBWINPTHREAD})
    if(NOT IS_ABSOLUTE ${dll} OR NOT EXISTS ${dll})
        message(FATAL_ERROR "the compiler's runtime library ${dll} is not to be found")
    endif()
endforeach()
install(FILES ${ZARVONA_LIBSTDCXX} ${ZARVONA_LIBGCC} ${ZARVONA_LIBWINPTHREAD} DESTINATION .)

# The faces the window asks for (window/graphics/fonts.cpp), from Debian's font packages.
set(ZARVONA_FACES
    /usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Bold.ttf
    /usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf
    /usr/share/fonts/truetype/noto/NotoSans-Regular.ttf)
install(FILES ${ZARVONA_FACES} DESTINATION fonts)

# The licences: the program's and the riddles', then each shipped part's as Debian gives it.
install(FILES LICENSE DESTINATION licences RENAME Zarvona-MIT.txt)
install(FILES LICENSES/CC-BY-4.0.txt DESTINATION licences RENAME riddles-CC-BY-4.0.txt)
install(FILES .reuse/dep5 DESTINATION licences RENAME Zarvona-copyright.txt)
install(FILES /usr/share/doc/fonts-hosny-amiri/copyright DESTINATION licences
    RENAME font-Amiri-OFL.txt)
install(FILES /usr/share/doc/fonts-noto-core/copyright DESTINATION licences
    RENAME font-Noto-OFL.txt)
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION licences RENAME Qt-copyright.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licences RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME Qt-GPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-2 DESTINATION licences RENAME Qt-GPL-2.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright DESTINATION licences
    RENAME runtime-GCC-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licences
    RENAME runtime-mingw-w64-copyright.txt)
if(NOT ZARVONA_QT_SOURCE_VERSION)
    set(ZARVONA_QT_SOURCE_VERSION "(unknown)")
endif()
configure_file(packaging/windows/about-qt.txt.in ${CMAKE_BINARY_DIR}/licences/Qt-source.txt @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/licences/Qt-source.txt DESTINATION licences)
