# cmake --install build --prefix DIR: the programs, their data files below share/zud-software/
# (translations, manuals, electrode pictures), a desktop entry and an icon. The rules are made
# at the end of the configuration, so that programs added by any folder are found.
include(GNUInstallDirs)

function(zud_install_rules)
    foreach(program zud-software zudctl zud12-emulator)
        if(TARGET ${program})
            install(TARGETS ${program} RUNTIME DESTINATION bin)
        endif()
    endforeach()
    install(DIRECTORY ${ZUD_SHARE_BUILD_DIR}/ DESTINATION share/zud-software
        PATTERN "*.tmp*" EXCLUDE)
    install(FILES ${CMAKE_SOURCE_DIR}/data/zud-software.desktop DESTINATION share/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/data/zud-software.svg
        DESTINATION share/icons/hicolor/scalable/apps)
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL zud_install_rules)
