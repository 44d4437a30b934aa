# Installing Sorvanta, and its Debian package (scripts/package runs CPack on a Release build).
#
# The program folder is <prefix>/lib/sorvanta: the executables with the skins (Images/) and the
# example data files beside them, where the program looks for them. <prefix>/bin holds links to
# the executables; the desktop entry, icons, manual pages, AppStream metadata and the copyright
# go to their usual places under <prefix>/share.

# The contact details name the domain used in the about box.
set(SORVANTA_APP_ID example.sorvanta.sorvanta) # the desktop entry's and the metadata's id
set(SORVANTA_CONTACT_MAIL support@sorvanta.example)
set(SORVANTA_HOMEPAGE https://sorvanta.example/)
set(SORVANTA_PROGRAM_FOLDER lib/sorvanta)
set(PACKAGING_SOURCE ${PROJECT_SOURCE_DIR}/packaging)
set(PACKAGING_OUTPUT ${CMAKE_BINARY_DIR}/packaging)

# The icon in every hicolor size, enlarged from the pixel art of the lit tray icon as the tray's
# own icon is (CrispIcon).
add_executable(sorvanta-hicolor ${PACKAGING_SOURCE}/icons/sorvanta_hicolor.cpp
    ${PROJECT_SOURCE_DIR}/src/display/ui/CrispIcon.cpp)
target_include_directories(sorvanta-hicolor PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(sorvanta-hicolor PRIVATE Qt6::Gui)
target_compile_definitions(sorvanta-hicolor PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
set_target_properties(sorvanta-hicolor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PACKAGING_OUTPUT})
set(ICON_ART ${PROJECT_SOURCE_DIR}/src/resources/pictures/tray-info-16.png
    ${PROJECT_SOURCE_DIR}/src/resources/pictures/tray-info.png)
set(ICONS_STAMP ${PACKAGING_OUTPUT}/icons.stamp)
add_custom_command(OUTPUT ${ICONS_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${PACKAGING_OUTPUT}/icons
    COMMAND sorvanta-hicolor ${ICON_ART} ${PACKAGING_OUTPUT}/icons sorvanta
    COMMAND ${CMAKE_COMMAND} -E touch ${ICONS_STAMP}
    DEPENDS sorvanta-hicolor ${ICON_ART}
    COMMENT "Enlarging the application icon to the hicolor sizes"
    VERBATIM)

# Manual pages and the changelog, compressed without a time stamp so rebuilds give the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(COMPRESSED_SOURCES)
set(COMPRESSED_OUTPUTS)
foreach(page sorvanta.1 sorvanta-check.1 ja/sorvanta.1 ja/sorvanta-check.1)
    configure_file(${PACKAGING_SOURCE}/man/${page}.in ${PACKAGING_OUTPUT}/man/${page} @ONLY)
    list(APPEND COMPRESSED_SOURCES ${PACKAGING_OUTPUT}/man/${page})
endforeach()
configure_file(${PACKAGING_SOURCE}/changelog ${PACKAGING_OUTPUT}/changelog COPYONLY)
foreach(source ${COMPRESSED_SOURCES} ${PACKAGING_OUTPUT}/changelog)
    add_custom_command(OUTPUT ${source}.gz
        COMMAND ${GZIP_PROGRAM} -9 --no-name --force --keep ${source}
        DEPENDS ${source}
        VERBATIM)
    list(APPEND COMPRESSED_OUTPUTS ${source}.gz)
endforeach()

configure_file(${PACKAGING_SOURCE}/sorvanta.metainfo.xml.in
    ${PACKAGING_OUTPUT}/${SORVANTA_APP_ID}.metainfo.xml @ONLY)

# The links on the PATH, made here as relative links and installed as they are.
file(MAKE_DIRECTORY ${PACKAGING_OUTPUT}/bin)
foreach(program sorvanta sorvanta-check)
    file(CREATE_LINK ../${SORVANTA_PROGRAM_FOLDER}/${program} ${PACKAGING_OUTPUT}/bin/${program} SYMBOLIC)
endforeach()

# Everything the install copies that the build makes; scripts/package builds only this.
add_custom_target(sorvanta_installables ALL DEPENDS ${ICONS_STAMP} ${COMPRESSED_OUTPUTS})
add_dependencies(sorvanta_installables sorvanta sorvanta-check sorvanta-sound)

install(TARGETS sorvanta sorvanta-check RUNTIME DESTINATION ${SORVANTA_PROGRAM_FOLDER})
# The sound module, which the ticker loads from modules/ in its own folder with the first sound.
install(TARGETS sorvanta-sound LIBRARY DESTINATION ${SORVANTA_PROGRAM_FOLDER}/modules)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/resources/Images DESTINATION ${SORVANTA_PROGRAM_FOLDER})
# The example data files keep the time of their last commit: the ticker offers a shipped data file
# that is newer than the user's own copy, so rebuilding must not make an unchanged one newer.
find_package(Git QUIET)
foreach(name url.txt filter.txt keywords.txt)
    set(source ${PROJECT_SOURCE_DIR}/src/resources/data/${name})
    install(FILES ${source} DESTINATION ${SORVANTA_PROGRAM_FOLDER})
    set(committed "")
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct -- ${source}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE committed
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(committed)
        install(CODE "execute_process(COMMAND touch --no-create --date=@${committed}
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SORVANTA_PROGRAM_FOLDER}/${name}\")")
    endif()
endforeach()
install(FILES ${PACKAGING_OUTPUT}/bin/sorvanta ${PACKAGING_OUTPUT}/bin/sorvanta-check DESTINATION bin)
install(FILES ${PACKAGING_SOURCE}/sorvanta.desktop DESTINATION share/applications
    RENAME ${SORVANTA_APP_ID}.desktop)
install(DIRECTORY ${PACKAGING_OUTPUT}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${PACKAGING_OUTPUT}/man/sorvanta.1.gz ${PACKAGING_OUTPUT}/man/sorvanta-check.1.gz
    DESTINATION share/man/man1)
install(FILES ${PACKAGING_OUTPUT}/man/ja/sorvanta.1.gz ${PACKAGING_OUTPUT}/man/ja/sorvanta-check.1.gz
    DESTINATION share/man/ja/man1)
install(FILES ${PACKAGING_OUTPUT}/${SORVANTA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
# The about box links the README here.
install(FILES ${PACKAGING_SOURCE}/copyright ${PACKAGING_OUTPUT}/changelog.gz ${PROJECT_SOURCE_DIR}/README.md
    DESTINATION share/doc/sorvanta)

# The Debian package: sorvanta_<version>_<arch>.deb, its dependencies read from the executables.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvanta)
set(CPACK_PACKAGE_VENDOR "The Sorvanta developers")
set(CPACK_PACKAGE_CONTACT "The Sorvanta developers <${SORVANTA_CONTACT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LED sign ticker for web page notices")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SORVANTA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese lettering needs a Japanese font; HTTPS needs the certificate authorities; a Wayland session
# without XWayland needs Qt's Wayland platform; Qt's own buttons and dialogs speak Japanese with Qt's
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, ca-certificates, qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION "Sorvanta is a small desktop ticker in the form of a dot-matrix LED sign. A
frameless window shows an LED clock and a message panel in which short items
scroll from right to left.

The items come from web pages you list: at a set interval Sorvanta downloads
every enabled page over HTTP or HTTPS, converts its Japanese text encoding and
cuts out every stretch of text between the header and the footer of your
extraction rules. Keywords light up red. The user interface is in Japanese.

sorvanta-check runs one update without the window and prints the items.")
include(CPack)
