# SPDX-License-Identifier: MIT
# The desktop entry, the software-centre metadata, the icons and a Debian package. The programs install themselves: the
# front end into bin/, the stand-in generator under share/lapforge-gui/, off PATH.
set(LAPFORGE_APP_ID org.lapforge_gui.LapforgeGui)

install(FILES ${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/lapforge-gui.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/lapforge-gui.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

set(CPACK_PACKAGE_NAME lapforge-gui)
set(CPACK_PACKAGE_VENDOR "lapforge-gui developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop front end for Lapforge, the command-line program that generates one\n\
segment of a race track. Pick a segment and its dressing, press Make It!, and it\n\
starts Lapforge with the matching command line and shows that line. A stand-in\n\
generator for trying it out is installed under /usr/share/lapforge-gui/.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "lapforge-gui developers <maintainers@lapforge-gui.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt and C++ runtime dependencies come from the built binaries; the windows' narrow
# font is no library, so it is named here, and the found libraries are added to it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_GENERATOR DEB)
include(CPack)

if(BUILD_TESTING)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        add_test(NAME desktop_entry COMMAND ${DESKTOP_FILE_VALIDATE}
                 ${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.desktop)
    endif()
    find_program(APPSTREAMCLI appstreamcli)
    if(APPSTREAMCLI)
        add_test(NAME appstream_metainfo
                 COMMAND ${APPSTREAMCLI} validate --no-net --strict
                         ${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.metainfo.xml)
    endif()
    add_test(NAME appstream_release
             COMMAND ${CMAKE_COMMAND} -DMETAINFO=${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.metainfo.xml
                     -DVERSION=${PROJECT_VERSION}
                     -P ${PROJECT_SOURCE_DIR}/cmake/checkNewestRelease.cmake)
    # The package's dependencies are read from the binaries with dpkg-dev's dpkg-shlibdeps.
    find_program(DPKG_DEB dpkg-deb)
    if(DPKG_DEB AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
        add_test(NAME debian_package
                 COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DDPKG_DEB=${DPKG_DEB}
                         -DAPP_ID=${LAPFORGE_APP_ID}
                         -P ${PROJECT_SOURCE_DIR}/cmake/checkDebianPackage.cmake)
        set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
    endif()
endif()
