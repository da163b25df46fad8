# Wayland: the client library for the backend, the server library for the test compositor, and
# the protocol code that wayland-scanner generates at build time from the descriptions Kavo
# keeps in src/platform/wayland/protocols/ (and the xdg-output one Debian's wayland-protocols
# ships).
enable_language(C)
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_check_modules(WAYLAND_SERVER REQUIRED IMPORTED_TARGET wayland-server)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
if(NOT WAYLAND_PROTOCOLS_DIR)
    message(FATAL_ERROR "wayland-protocols is missing (scripts/install-deps.sh installs it)")
endif()
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
# The keymap the compositor sends with the keys that reach Kavo's own surfaces.
pkg_check_modules(XKBCOMMON REQUIRED IMPORTED_TARGET xkbcommon)

set(KAVO_WAYLAND_GENERATED ${CMAKE_BINARY_DIR}/wayland-protocols)
file(MAKE_DIRECTORY ${KAVO_WAYLAND_GENERATED})

# Generates the client and server headers and the interface code of protocol `name` from `xml`.
function(kavo_wayland_protocol name xml)
    set(out ${KAVO_WAYLAND_GENERATED}/${name})
    add_custom_command(
        OUTPUT ${out}-client-protocol.h ${out}-server-protocol.h ${out}-protocol.c
        COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${out}-client-protocol.h
        COMMAND ${WAYLAND_SCANNER} server-header ${xml} ${out}-server-protocol.h
        COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${out}-protocol.c
        DEPENDS ${xml}
        VERBATIM)
    target_sources(kavo_wayland_protocols PRIVATE
        ${out}-client-protocol.h ${out}-server-protocol.h ${out}-protocol.c)
endfunction()

add_library(kavo_wayland_protocols STATIC)
target_include_directories(kavo_wayland_protocols PUBLIC ${KAVO_WAYLAND_GENERATED})
target_link_libraries(kavo_wayland_protocols PUBLIC PkgConfig::WAYLAND_CLIENT)
kavo_wayland_protocol(wlr-gamma-control-unstable-v1
    ${CMAKE_SOURCE_DIR}/src/platform/wayland/protocols/wlr-gamma-control-unstable-v1.xml)
kavo_wayland_protocol(xdg-output-unstable-v1
    ${WAYLAND_PROTOCOLS_DIR}/unstable/xdg-output/xdg-output-unstable-v1.xml)
kavo_wayland_protocol(ext-idle-notify-v1
    ${WAYLAND_PROTOCOLS_DIR}/staging/ext-idle-notify/ext-idle-notify-v1.xml)
kavo_wayland_protocol(kde-idle
    ${CMAKE_SOURCE_DIR}/src/platform/wayland/protocols/kde-idle.xml)
# Named by the layer shell's get_popup.
kavo_wayland_protocol(xdg-shell ${WAYLAND_PROTOCOLS_DIR}/stable/xdg-shell/xdg-shell.xml)
kavo_wayland_protocol(wlr-layer-shell-unstable-v1
    ${CMAKE_SOURCE_DIR}/src/platform/wayland/protocols/wlr-layer-shell-unstable-v1.xml)
kavo_wayland_protocol(wlr-foreign-toplevel-management-unstable-v1
    ${CMAKE_SOURCE_DIR}/src/platform/wayland/protocols/wlr-foreign-toplevel-management-unstable-v1.xml)
# The tests' pointer for a headless compositor.
kavo_wayland_protocol(wlr-virtual-pointer-unstable-v1
    ${CMAKE_SOURCE_DIR}/tests/lib/protocols/wlr-virtual-pointer-unstable-v1.xml)
