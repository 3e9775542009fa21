# SPDX-License-Identifier: MIT
# Checks the built Debian package's control data, the files a desktop needs, and that it
# carries the licence.
# cmake -DPACKAGE_DIR=dir -DDPKG_DEB=path -DAPP_ID=id -DLICENSE=file -P checkDebianPackage.cmake
file(GLOB package ${PACKAGE_DIR}/*.deb)

execute_process(COMMAND ${DPKG_DEB} -f ${package} Depends OUTPUT_VARIABLE depends
                COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${depends}" depends)
message(STATUS "Depends: ${depends}")
# The font is no library, so only the package's own list can pull it in; the Qt library
# shows that the dependencies read from the binaries are still there beside it.
foreach(needed fonts-liberation libqt6widgets6)
    if(NOT depends MATCHES "(^|, )${needed}( |,|$)")
        message(FATAL_ERROR "the package does not depend on ${needed}: ${depends}")
    endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${package} OUTPUT_VARIABLE contents
                COMMAND_ERROR_IS_FATAL ANY)
foreach(file usr/bin/lapforge-gui usr/lib/lapforge-gui/lapforge.exe
             usr/share/applications/${APP_ID}.desktop usr/share/metainfo/${APP_ID}.metainfo.xml
             usr/share/icons/hicolor/scalable/apps/lapforge-gui.svg
             usr/share/man/man1/lapforge-gui.1.gz usr/share/doc/lapforge-gui/copyright
             usr/share/doc/lapforge-gui/changelog.gz)
    if(NOT contents MATCHES " \\./${file}\n")
        message(FATAL_ERROR "the package lacks /${file}:\n${contents}")
    endif()
endforeach()

# The copyright file holds LICENSE's holder and its text word for word, whatever the
# line breaks and the " ." that stand for blank lines.
set(unpacked ${PACKAGE_DIR}/unpacked)
file(REMOVE_RECURSE ${unpacked})
execute_process(COMMAND ${DPKG_DEB} -x ${package} ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
file(READ ${unpacked}/usr/share/doc/lapforge-gui/copyright copyright)
file(READ ${LICENSE} licence)
string(REGEX MATCH "\nCopyright \\(c\\) ([^\n]+)\n" holder "${licence}")
if(NOT copyright MATCHES "\nCopyright: ${CMAKE_MATCH_1}\n")
    message(FATAL_ERROR "the copyright file does not name '${CMAKE_MATCH_1}':\n${copyright}")
endif()
string(REGEX REPLACE "^.*\nCopyright \\(c\\) [^\n]+\n" "" licenceText "${licence}")
string(REGEX REPLACE "\n \\.\n" "\n" copyright "${copyright}")
string(REGEX REPLACE "[ \t\n]+" " " copyright "${copyright}")
string(REGEX REPLACE "[ \t\n]+" " " licenceText "${licenceText}")
string(STRIP "${licenceText}" licenceText)
string(FIND "${copyright}" "License: Expat ${licenceText}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the copyright file does not hold LICENSE's text:\n${copyright}")
endif()
