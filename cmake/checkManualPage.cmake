# SPDX-License-Identifier: MIT
# Renders the manual page at 80 columns as a reader would and fails on any warning from the
# formatter, or when a section or an option of --help is missing, as happens when help2man
# no longer recognises the layout of --help.
# cmake -DMAN=path -DPAGE=file -P checkManualPage.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 LC_ALL=C.UTF-8
                        ${MAN} --warnings -l ${PAGE}
                RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man (status ${status}) on ${PAGE}:\n${warnings}")
endif()
foreach(section NAME SYNOPSIS DESCRIPTION OPTIONS WINE "EXIT STATUS" ENVIRONMENT "SEE ALSO")
    if(NOT page MATCHES "\n${section}\n")
        message(FATAL_ERROR "${PAGE} has no ${section} section:\n${page}")
    endif()
endforeach()
# Words as written, not as broken at the line ends: a hyphenation mark and its line break go,
# other line breaks and runs of blanks become one blank.
string(REGEX REPLACE "‐\n *" "" text "${page}")
string(REGEX REPLACE "[ \n]+" " " text "${text}")
foreach(needed "lapforge-gui - " "-h, --help" "-v, --version" "-platform"
               "lib/lapforge-gui/lapforge.exe")
    string(FIND "${text}" "${needed}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${PAGE} does not say '${needed}':\n${page}")
    endif()
endforeach()
