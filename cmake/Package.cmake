# The Debian package zud-software (scripts/package: cpack -G DEB in the build folder): the
# installation of cmake/Install.cmake below /usr, the machine-wide settings as a conffile, and
# the maintainer scripts that make the group zud and the shared data folder. Dependencies are
# Debian 12's packages: the shared libraries as dpkg-shlibdeps finds them, plus what the program
# runs or loads without linking it (the embedded engine, gbak, Qt's platform plugins).

# Documentation every Debian package carries.
set(ZUD_DEB_DOC ${CMAKE_BINARY_DIR}/debian-doc)
string(TIMESTAMP zud_deb_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${ZUD_DEB_DOC}/changelog
    "zud-software (${PROJECT_VERSION}) stable; urgency=medium\n\n"
    "  * Build ${PROJECT_VERSION} of ZUD-Software.\n\n"
    " -- ZUD-Software <zud-software@brelk.invalid>  ${zud_deb_date}\n")
add_custom_command(OUTPUT ${ZUD_DEB_DOC}/changelog.gz
    COMMAND gzip -9nf -k ${ZUD_DEB_DOC}/changelog
    DEPENDS ${ZUD_DEB_DOC}/changelog VERBATIM)
add_custom_target(zud_deb_doc ALL DEPENDS ${ZUD_DEB_DOC}/changelog.gz)
install(FILES ${ZUD_DEB_DOC}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
    DESTINATION share/doc/zud-software)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zud-software)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brelk)
set(CPACK_PACKAGE_CONTACT "ZUD-Software <zud-software@brelk.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop companion of the ZUD12 therapy device")
set(CPACK_PACKAGE_DESCRIPTION
    "ZUD-Software programs the ZUD12 (EMG biofeedback, pressure measurement and
electrical stimulation), reads out its exercise recordings into a patient
database, shows them as charts, computes statistics and prints reports. The
database is Firebird 3: embedded on a single workstation and shared by all
its accounts in /var/lib/zud-software (group zud), or on a practice server
set up with zudctl server-setup --system.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "firebird3.0-server-core, firebird3.0-utils, qt6-qpa-plugins, qt6-translations-l10n, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/data/debian/postinst
    ${CMAKE_SOURCE_DIR}/data/debian/postrm
    ${CMAKE_SOURCE_DIR}/data/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
