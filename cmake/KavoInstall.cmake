# make install (cmake --install build --prefix DIR): the two programs, the icon, the menu
# entry and the kavo: scheme handler. The entries name the installed kavo by its full path,
# written when installing, so they follow --prefix and DESTDIR.
include(GNUInstallDirs)

install(TARGETS kavo kavoctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/kavo_green.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
    RENAME kavo.png)
install(CODE "set(KAVO_INSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
set(KAVO_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallDesktopEntries.cmake)
