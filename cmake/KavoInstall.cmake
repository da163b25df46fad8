# make install (cmake --install build --prefix DIR) and the Debian package (make deb): the
# programs, the icons, the menu entry and the kavo: scheme handler, the AppStream data, the
# manual pages and kavoctl's shell completions. The entries name the installed kavo by its full
# path, written when installing, so they follow --prefix and DESTDIR.
include(GNUInstallDirs)

# Kavo's identity on the desktop: the menu entry's file name, the icon, the AppStream
# component and the D-Bus object paths (/com/velmora/Kavo/...) all use it.
set(KAVO_APP_ID com.velmora.Kavo)

find_program(KAVO_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(KAVO_SCDOC scdoc REQUIRED)
find_program(KAVO_GZIP gzip REQUIRED)

# The icon is drawn once, as SVG; the hicolor sizes are rendered from it by the build.
set(KAVO_ICON_SVG ${PROJECT_SOURCE_DIR}/data/icons/${KAVO_APP_ID}.svg)
set(KAVO_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(kavo_data_files)
foreach(size ${KAVO_ICON_SIZES})
    set(png ${CMAKE_BINARY_DIR}/data/icons/${size}x${size}/${KAVO_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data/icons/${size}x${size}
        COMMAND ${KAVO_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${KAVO_ICON_SVG}
        DEPENDS ${KAVO_ICON_SVG}
        VERBATIM)
    list(APPEND kavo_data_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KAVO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages: written in scdoc under docs/man/, turned into roff (kept for `man --warnings`
# in the tests) and compressed for installing, as Debian's manual pages are.
set(KAVO_MAN_PAGES kavo.1 kavoctl.1 kavo-guardian.1)
foreach(page ${KAVO_MAN_PAGES})
    set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.scd)
    set(roff ${CMAKE_BINARY_DIR}/data/man/${page})
    add_custom_command(OUTPUT ${roff} ${roff}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data/man
        COMMAND sh -c "\"$0\" < \"$1\" > \"$2\"" ${KAVO_SCDOC} ${source} ${roff}
        COMMAND ${KAVO_GZIP} -9 --no-name --force --keep ${roff}
        DEPENDS ${source}
        VERBATIM)
    list(APPEND kavo_data_files ${roff} ${roff}.gz)
    install(FILES ${roff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# AppStream: the newest release in the file must be this version (test_docs checks it).
install(FILES ${PROJECT_SOURCE_DIR}/data/${KAVO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# kavoctl's completions where each shell looks for vendor completions.
set(completions ${PROJECT_SOURCE_DIR}/data/completions)
install(FILES ${completions}/kavoctl.bash
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kavoctl)
install(FILES ${completions}/_kavoctl DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${completions}/kavoctl.fish
    DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

add_custom_target(kavo_data ALL DEPENDS ${kavo_data_files})

install(TARGETS kavo kavoctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "set(KAVO_INSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
set(KAVO_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
set(KAVO_APP_ID \"${KAVO_APP_ID}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallDesktopEntries.cmake)
