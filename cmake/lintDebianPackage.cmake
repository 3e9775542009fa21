# SPDX-License-Identifier: MIT
# Fails on anything Debian's package checker reports at its usual level, errors and
# warnings alike. No configuration file and no override can quieten it.
# cmake -DPACKAGE_DIR=dir -DLINTIAN=path -P lintDebianPackage.cmake
file(GLOB package ${PACKAGE_DIR}/*.deb)
execute_process(COMMAND ${LINTIAN} --no-cfg --no-override --fail-on error,warning ${package}
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT report STREQUAL "")
    message(FATAL_ERROR "lintian (status ${status}) on ${package}:\n${report}${errors}")
endif()
message(STATUS "lintian reports nothing on ${package}")
