# SPDX-License-Identifier: MIT
# Builds the Debian package from a finished build into a folder of its own and checks its
# control data and the files a desktop needs.
# cmake -DBUILD_DIR=dir -DDPKG_DEB=path -DAPP_ID=id -P checkDebianPackage.cmake
set(out ${BUILD_DIR}/debian-package-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${out}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
file(GLOB packages ${out}/*.deb)
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack did not make one package:\n${log}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${packages} Depends OUTPUT_VARIABLE depends
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

execute_process(COMMAND ${DPKG_DEB} --contents ${packages} OUTPUT_VARIABLE contents
                COMMAND_ERROR_IS_FATAL ANY)
foreach(file usr/bin/lapforge-gui usr/share/lapforge-gui/lapforge.exe
             usr/share/applications/${APP_ID}.desktop usr/share/metainfo/${APP_ID}.metainfo.xml
             usr/share/icons/hicolor/scalable/apps/lapforge-gui.svg)
    if(NOT contents MATCHES " \\./${file}\n")
        message(FATAL_ERROR "the package lacks /${file}:\n${contents}")
    endif()
endforeach()
file(REMOVE_RECURSE ${out})
