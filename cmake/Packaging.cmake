# SPDX-License-Identifier: MIT
# The desktop entry, the software-centre metadata, the icons, the manual page, the licence, the
# changelog and a Debian package. The programs install themselves: the front end into bin/,
# the stand-in generator under lib/lapforge-gui/, off PATH.
set(LAPFORGE_APP_ID org.lapforge_gui.LapforgeGui)

install(FILES ${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${LAPFORGE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/lapforge-gui.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/lapforge-gui.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

if(UNIX)
    set(LAPFORGE_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
    find_program(GZIP gzip REQUIRED)
    # Made from --help, so that the page says what the program answers; the include file
    # adds what --help leaves out: Wine, the exit status and the environment.
    find_program(HELP2MAN help2man REQUIRED)
    set(LAPFORGE_MAN_PAGE ${LAPFORGE_DOC_DIR}/lapforge-gui.1)
    add_custom_command(OUTPUT ${LAPFORGE_MAN_PAGE}.gz
        COMMAND ${HELP2MAN} --no-info --name=${PROJECT_DESCRIPTION}
                --include=${PROJECT_SOURCE_DIR}/data/lapforge-gui.h2m
                --output=${LAPFORGE_MAN_PAGE} $<TARGET_FILE:lapforge-gui>
        COMMAND ${GZIP} -9nf ${LAPFORGE_MAN_PAGE}
        DEPENDS lapforge-gui ${PROJECT_SOURCE_DIR}/data/lapforge-gui.h2m
        COMMENT "Making the manual page from lapforge-gui --help" VERBATIM)
    # Compressed without name or time, as Debian wants, so that the files do not change with
    # each build.
    add_custom_command(OUTPUT ${LAPFORGE_DOC_DIR}/changelog.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/changelog ${LAPFORGE_DOC_DIR}
        COMMAND ${GZIP} -9nf ${LAPFORGE_DOC_DIR}/changelog
        DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog VERBATIM)
    add_custom_target(lapforge-doc ALL DEPENDS ${LAPFORGE_MAN_PAGE}.gz ${LAPFORGE_DOC_DIR}/changelog.gz)

    # The copyright file is LICENSE in Debian's machine-readable form, built from it so that
    # the two cannot part. Debian calls this licence text "Expat".
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
    if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n(.*)")
        message(FATAL_ERROR "LICENSE names no holder in a \"Copyright (c)\" line")
    endif()
    set(LAPFORGE_COPYRIGHT "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" licence)
    # Blank lines become " .", every line is indented by one blank.
    string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" licence "${licence}")
    string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" licence "${licence}")
    string(REPLACE "\n" "\n " LAPFORGE_LICENSE_TEXT " ${licence}")
    configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${LAPFORGE_DOC_DIR}/copyright @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

    install(FILES ${LAPFORGE_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${LAPFORGE_DOC_DIR}/copyright ${LAPFORGE_DOC_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME lapforge-gui)
set(CPACK_PACKAGE_VENDOR "lapforge-gui developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian's lines stay within 80 columns, the one blank in front of each included.
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop front end for Lapforge, the command-line program that\n\
generates one segment of a race track. Pick a segment and its dressing, press\n\
Make It!, and it starts Lapforge with the matching command line and shows\n\
that line. Lapforge, a Windows program, runs through Wine. A stand-in\n\
generator for trying it out is installed under /usr/${LAPFORGE_INSTALL_STANDINDIR}/.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "lapforge-gui developers <maintainers@lapforge-gui.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_STRIP_FILES ON)
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
    # The package is built once, by the first of these tests; the others look at it. Its
    # dependencies are read from the binaries with dpkg-dev's dpkg-shlibdeps.
    find_program(DPKG_DEB dpkg-deb)
    if(DPKG_DEB AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
        set(packageDir ${CMAKE_BINARY_DIR}/debian-package-check)
        add_test(NAME debian_package_build
                 COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DOUT=${packageDir}
                         -P ${PROJECT_SOURCE_DIR}/cmake/buildDebianPackage.cmake)
        set_tests_properties(debian_package_build PROPERTIES TIMEOUT 300
                             FIXTURES_SETUP debian_package)
        add_test(NAME debian_package
                 COMMAND ${CMAKE_COMMAND} -DPACKAGE_DIR=${packageDir} -DDPKG_DEB=${DPKG_DEB}
                         -DAPP_ID=${LAPFORGE_APP_ID} -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
                         -P ${PROJECT_SOURCE_DIR}/cmake/checkDebianPackage.cmake)
        set_tests_properties(debian_package PROPERTIES FIXTURES_REQUIRED debian_package)
        find_program(LINTIAN lintian)
        if(LINTIAN)
            add_test(NAME debian_lintian
                     COMMAND ${CMAKE_COMMAND} -DPACKAGE_DIR=${packageDir} -DLINTIAN=${LINTIAN}
                             -P ${PROJECT_SOURCE_DIR}/cmake/lintDebianPackage.cmake)
            set_tests_properties(debian_lintian PROPERTIES TIMEOUT 300
                                 FIXTURES_REQUIRED debian_package)
        endif()
    endif()
    add_test(NAME debian_changelog_release
             COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${PROJECT_SOURCE_DIR}/data/changelog
                     -DVERSION=${PROJECT_VERSION}
                     -P ${PROJECT_SOURCE_DIR}/cmake/checkNewestRelease.cmake)
    find_program(MAN man)
    if(MAN AND UNIX)
        add_test(NAME manual_page
                 COMMAND ${CMAKE_COMMAND} -DMAN=${MAN} -DPAGE=${LAPFORGE_MAN_PAGE}.gz
                         -P ${PROJECT_SOURCE_DIR}/cmake/checkManualPage.cmake)
    endif()
endif()
