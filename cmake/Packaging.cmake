# Installing Sorvanta.
#
# The program folder is <prefix>/lib/sorvanta: the executables with the skins (Images/) and the
# example data files beside them, where the program looks for them. <prefix>/bin holds links to
# the executables; the desktop entry and the icons go to their usual places under
# <prefix>/share.

set(SORVANTA_PROGRAM_FOLDER lib/sorvanta)
set(SORVANTA_APP_ID sorvanta) # the desktop entry's id
set(PACKAGING_SOURCE ${PROJECT_SOURCE_DIR}/packaging)
set(PACKAGING_OUTPUT ${CMAKE_BINARY_DIR}/packaging)

# The icon in every hicolor size, enlarged from the pixel art of the lit tray icon.
add_library(sorvanta_hicolor STATIC ${PACKAGING_SOURCE}/icons/HicolorIcon.cpp
    ${PACKAGING_SOURCE}/icons/HicolorIcon.h)
target_include_directories(sorvanta_hicolor PUBLIC ${PACKAGING_SOURCE}/icons)
target_link_libraries(sorvanta_hicolor PUBLIC Qt6::Gui)
target_compile_definitions(sorvanta_hicolor PUBLIC QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
add_executable(sorvanta-hicolor ${PACKAGING_SOURCE}/icons/sorvanta_hicolor.cpp)
target_link_libraries(sorvanta-hicolor PRIVATE sorvanta_hicolor)
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

# The links on the PATH, made here as relative links and installed as they are.
file(MAKE_DIRECTORY ${PACKAGING_OUTPUT}/bin)
foreach(program sorvanta sorvanta-check)
    file(CREATE_LINK ../${SORVANTA_PROGRAM_FOLDER}/${program} ${PACKAGING_OUTPUT}/bin/${program} SYMBOLIC)
endforeach()

# Everything the install copies that the build makes.
add_custom_target(sorvanta_installables ALL DEPENDS ${ICONS_STAMP})
add_dependencies(sorvanta_installables sorvanta sorvanta-check)

install(TARGETS sorvanta sorvanta-check RUNTIME DESTINATION ${SORVANTA_PROGRAM_FOLDER})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/resources/Images DESTINATION ${SORVANTA_PROGRAM_FOLDER})
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/data/url.txt ${PROJECT_SOURCE_DIR}/src/resources/data/filter.txt
    ${PROJECT_SOURCE_DIR}/src/resources/data/keywords.txt DESTINATION ${SORVANTA_PROGRAM_FOLDER})
install(FILES ${PACKAGING_OUTPUT}/bin/sorvanta ${PACKAGING_OUTPUT}/bin/sorvanta-check DESTINATION bin)
install(FILES ${PACKAGING_SOURCE}/sorvanta.desktop DESTINATION share/applications
    RENAME ${SORVANTA_APP_ID}.desktop)
install(DIRECTORY ${PACKAGING_OUTPUT}/icons/ DESTINATION share/icons/hicolor)
