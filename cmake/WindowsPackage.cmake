# SPDX-License-Identifier: MIT
# The Windows zip, lapforge-gui-VERSION-win64.zip: the program, the README and the licence.
# The stand-in generator stays out; on Windows the real one is picked.
set(LAPFORGE_ZIP_COMPONENT windows-zip)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .
        COMPONENT ${LAPFORGE_ZIP_COMPONENT})

set(CPACK_PACKAGE_NAME lapforge-gui)
set(CPACK_PACKAGE_VENDOR "lapforge-gui developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(LAPFORGE_ZIP_NAME lapforge-gui-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${LAPFORGE_ZIP_NAME})
# That component alone, not everything the build installs.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${LAPFORGE_ZIP_COMPONENT};/")
# Shipped without debug information, whatever the build type; the build keeps it.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR ZIP)
include(CPack)

if(BUILD_TESTING)
    add_test(NAME windows_package
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DPACKAGE=${LAPFORGE_ZIP_NAME} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                     -DPROGRAM=$<TARGET_FILE:lapforge-gui>
                     -P ${PROJECT_SOURCE_DIR}/cmake/checkWindowsPackage.cmake)
    set_tests_properties(windows_package PROPERTIES TIMEOUT 120)
endif()
