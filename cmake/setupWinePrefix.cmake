# SPDX-License-Identifier: MIT
# cmake -DWINE=... -DWINESERVER=... -DDPI=96 -P setupWinePrefix.cmake, with WINEPREFIX and
# the rest of Wine's environment set: makes the prefix, or brings an old one up to date, for
# windows that are created and driven without a display.
foreach(variable WINE WINESERVER DPI)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "setupWinePrefix.cmake needs -D${variable}=...")
    endif()
endforeach()
if(NOT DEFINED ENV{WINEPREFIX})
    message(FATAL_ERROR "setupWinePrefix.cmake needs WINEPREFIX in its environment")
endif()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "in $ENV{WINEPREFIX}: ${ARGN} failed (${result}):\n${output}")
    endif()
endfunction()

run(${WINE} wineboot -i)
# The null driver draws nothing and needs no display, yet keeps every window, its
# rectangle, focus and input as on a screen.
run(${WINE} reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /d null /f)
# Wine 8 takes the DPI from here first, and falls back to
# HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts only without it.
run(${WINE} reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d ${DPI} /f)
# M: as a mapping to a folder that is not there, as a disconnected share would be: the
# window tests open it from the drive lists.
file(CREATE_LINK "$ENV{WINEPREFIX}/no-such-folder" "$ENV{WINEPREFIX}/dosdevices/m:" SYMBOLIC)
# The desktop process that wineboot started keeps the old driver until the prefix's
# session ends; the first window test would otherwise find no driver at all.
run(${WINESERVER} -w)
