# Installs the build into a fresh prefix and checks that every file the program needs is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected
    bin/zudctl
    bin/zud12-emulator
    "share/zud-software/pdf/Gebrauchsanweisung ZUD-Software.pdf"
    share/applications/zud-software.desktop
    share/icons/hicolor/scalable/apps/zud-software.svg)
foreach(lang de en fr it pl)
    list(APPEND expected share/zud-software/translations/zud_${lang}.qm)
endforeach()
foreach(name German English French Italian Polish)
    list(APPEND expected share/zud-software/epos.${name})
endforeach()
if(EXISTS ${BUILD_DIR}/bin/zud-software)
    list(APPEND expected bin/zud-software)
endif()
foreach(f IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
# The installed command line runs.
execute_process(COMMAND ${PREFIX}/bin/zudctl --help RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installed zudctl --help failed: ${rc}")
endif()
file(SIZE "${PREFIX}/share/zud-software/epos.German" size)
if(NOT size EQUAL 5021082)
    message(FATAL_ERROR "epos.German has ${size} bytes")
endif()
file(READ ${PREFIX}/share/applications/zud-software.desktop desktop)
if(NOT desktop MATCHES "Exec=zud-software" OR NOT desktop MATCHES "Icon=zud-software")
    message(FATAL_ERROR "desktop entry incomplete")
endif()
# Nothing of the build tree's temporary files.
file(GLOB_RECURSE leftovers "${PREFIX}/*.tmp*")
if(leftovers)
    message(FATAL_ERROR "temporary files installed: ${leftovers}")
endif()
file(REMOVE_RECURSE ${PREFIX})
