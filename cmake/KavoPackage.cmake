# make deb: kavo_<version>_amd64.deb, made by CPack from the build tree. It installs what
# `cmake --install` installs, with /usr as the prefix (so the desktop entries name
# /usr/bin/kavo), and takes its runtime dependencies from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screen colours that follow the sun, and reminders to rest")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/data/debian/description)
set(CPACK_PACKAGE_CONTACT "Velmora <kavo@velmora.com>")
# The install rules write their files under DESTDIR, with the final /usr prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# cpack installs what is built, as cmake --install does, instead of first building every target
# of the build folder (tests and benchmarks too): make deb builds what it packages.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by dpkg-shlibdeps: the camera's face and eye cascades, which Kavo reads from
# /usr/share/opencv4/haarcascades.
set(CPACK_DEBIAN_PACKAGE_DEPENDS opencv-data)
if(KAVO_WEBSITE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KAVO_WEBSITE_URL})
endif()

# Debian's documents of the package: its copyright and its changelog, compressed.
set(kavo_changelog ${CMAKE_BINARY_DIR}/data/debian/changelog.gz)
add_custom_command(OUTPUT ${kavo_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data/debian
    COMMAND sh -c "\"$0\" -9 --no-name --to-stdout \"$1\" > \"$2\""
        ${KAVO_GZIP} ${PROJECT_SOURCE_DIR}/data/debian/changelog ${kavo_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
    VERBATIM)
add_custom_target(kavo_debian_documents ALL DEPENDS ${kavo_changelog})
add_dependencies(kavo_data kavo_debian_documents)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${kavo_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kavo)

include(CPack)
