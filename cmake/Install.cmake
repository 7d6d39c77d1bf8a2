# cmake --install build --prefix DIR: the programs, their data files below share/zud-software/
# (translations, manuals, electrode pictures), a desktop entry and an icon, the manual pages,
# the machine-wide settings and the helper that prepares the shared data folder. The rules are
# made at the end of the configuration, so that programs added by any folder are found.
#
# The installed program keeps its data in one folder for all accounts of the machine. The file
# share/zud-software/datadir names it: /var/lib/zud-software unless the environment variable
# ZUD_MACHINE_DATA_DIR names another folder at install time (tests). The machine-wide settings
# go to /etc/xdg/Brelk/ZUD.conf for the prefix /usr, else to PREFIX/etc/xdg/Brelk/ZUD.conf; both
# below $DESTDIR when it is set.
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
    foreach(page zud-software.1 zudctl.1 zud12-emulator.1)
        install(FILES ${CMAKE_BINARY_DIR}/man/${page}.gz DESTINATION share/man/man1)
    endforeach()
    install(PROGRAMS ${CMAKE_SOURCE_DIR}/data/machine-setup DESTINATION lib/zud-software)
    install(CODE [[
        set(zud_datadir "$ENV{ZUD_MACHINE_DATA_DIR}")
        if(zud_datadir STREQUAL "")
            set(zud_datadir /var/lib/zud-software)
        endif()
        file(WRITE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/zud-software/datadir" "${zud_datadir}\n")
        if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
            set(zud_etc /etc)
        else()
            set(zud_etc "${CMAKE_INSTALL_PREFIX}/etc")
        endif()
        # file(INSTALL) puts $DESTDIR in front by itself.
        file(INSTALL "${ZUD_CONF_SOURCE}" DESTINATION "${zud_etc}/xdg/Brelk"
            FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ)
    ]])
endfunction()

# The manual pages, compressed as Debian wants them.
set(ZUD_CONF_SOURCE ${CMAKE_SOURCE_DIR}/data/ZUD.conf)
install(CODE "set(ZUD_CONF_SOURCE \"${ZUD_CONF_SOURCE}\")")
foreach(page zud-software.1 zudctl.1 zud12-emulator.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${CMAKE_SOURCE_DIR}/data/man/${page}
            ${CMAKE_BINARY_DIR}/man/${page}.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${page} VERBATIM)
    list(APPEND zud_man_pages ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(zud_man_pages ALL DEPENDS ${zud_man_pages})

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL zud_install_rules)
