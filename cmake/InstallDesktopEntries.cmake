# Runs at install time: writes the menu entry (<app id>.desktop) and the kavo: scheme handler
# for the kavo that was just installed. Exec= is quoted as the Desktop Entry standard says; a path that no
# entry can hold safely (a line break) stops the install with a message.
string(ASCII 10 newline)
string(ASCII 13 carriage_return)
string(ASCII 9 tab)

# The quoted Exec= argument for `path`: ", `, $ and \ escaped inside double quotes, % doubled,
# then every backslash doubled by the string escape of desktop entry values.
function(kavo_exec_argument path result)
    foreach(control IN ITEMS "${newline}" "${carriage_return}" "${tab}")
        string(FIND "${path}" "${control}" position)
        if(NOT position EQUAL -1)
            message(FATAL_ERROR "Kavo cannot be installed into a folder whose name holds a "
                "line break or tab: no desktop entry can start it safely.")
        endif()
    endforeach()
    string(REPLACE "\\" "\\\\" quoted "${path}")
    string(REPLACE "\"" "\\\"" quoted "${quoted}")
    string(REPLACE "`" "\\`" quoted "${quoted}")
    string(REPLACE "$" "\\$" quoted "${quoted}")
    set(quoted "\"${quoted}\"")
    string(REPLACE "%" "%%" quoted "${quoted}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    set(${result} "${quoted}" PARENT_SCOPE)
endfunction()

set(program "${CMAKE_INSTALL_PREFIX}/${KAVO_INSTALL_BINDIR}/kavo")
kavo_exec_argument("${program}" exec)
# TryExec= holds the plain path, with the string escape of desktop entry values.
string(REPLACE "\\" "\\\\" try_exec "${program}")
set(applications "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KAVO_INSTALL_DATADIR}/applications")

set(menu_entry "${applications}/${KAVO_APP_ID}.desktop")
set(url_handler "${applications}/kavo-url-handler.desktop")
file(WRITE "${menu_entry}" "[Desktop Entry]
Type=Application
Name=Kavo
GenericName=Eye protection
Comment=Screen colours that follow the sun, and reminders to rest
Exec=${exec} --show_ui
TryExec=${try_exec}
Icon=${KAVO_APP_ID}
Terminal=false
Categories=Utility;
StartupWMClass=kavo
")
file(WRITE "${url_handler}" "[Desktop Entry]
Type=Application
Name=Kavo
Exec=${exec} %u
TryExec=${try_exec}
Icon=${KAVO_APP_ID}
NoDisplay=true
MimeType=x-scheme-handler/kavo;
")
message(STATUS "Installing: ${menu_entry}")
message(STATUS "Installing: ${url_handler}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${menu_entry}" "${url_handler}")

# Desktops find the scheme handler through the MIME cache of the folder.
find_program(KAVO_UPDATE_DESKTOP_DATABASE update-desktop-database)
if(KAVO_UPDATE_DESKTOP_DATABASE AND "$ENV{DESTDIR}" STREQUAL "")
    execute_process(COMMAND "${KAVO_UPDATE_DESKTOP_DATABASE}" "${applications}"
        RESULT_VARIABLE ignored_result OUTPUT_QUIET ERROR_QUIET)
endif()
