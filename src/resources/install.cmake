# Desktop integration: where a Linux desktop looks for the launcher, the icon and the help.
include(GNUInstallDirs)

set(tavikon_app_svg ${CMAKE_CURRENT_SOURCE_DIR}/icons/tavikon.svg)

install(FILES desktop/tavikon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tavikon_app_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavikon)

# PNG copies of the application icon for launchers that do not read SVG.
qt_add_executable(tavikon_iconpng desktop/iconpng.cpp)
set_target_properties(tavikon_iconpng PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)
target_link_libraries(tavikon_iconpng PRIVATE Qt6::Gui Qt6::Svg tavikon_common_cfg)

set(tavikon_pngs)
foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/png/${size}/tavikon.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/png/${size}
        COMMAND tavikon_iconpng ${tavikon_app_svg} ${size} ${png}
        DEPENDS tavikon_iconpng ${tavikon_app_svg}
        COMMENT "Rendering the ${size}px application icon"
        VERBATIM)
    list(APPEND tavikon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tavikon_icon_pngs ALL DEPENDS ${tavikon_pngs})
