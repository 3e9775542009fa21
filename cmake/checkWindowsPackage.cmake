# SPDX-License-Identifier: MIT
# Builds the Windows zip from a finished build into a folder of its own and checks that it
# holds exactly the program, the README and the licence.
# cmake -DBUILD_DIR=dir -DPACKAGE=name -DSOURCE_DIR=dir -DPROGRAM=exe -P checkWindowsPackage.cmake
set(out ${BUILD_DIR}/windows-package-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP -B ${out}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
set(zip ${out}/${PACKAGE}.zip)
if(NOT status EQUAL 0 OR NOT EXISTS ${zip})
    message(FATAL_ERROR "cpack did not make ${PACKAGE}.zip:\n${log}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "/$")
list(SORT entries)
set(expected ${PACKAGE}/LICENSE ${PACKAGE}/README.md ${PACKAGE}/lapforge-gui.exe)
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "${PACKAGE}.zip holds\n  ${entries}\ninstead of\n  ${expected}")
endif()

set(unpacked ${out}/unpacked)
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${unpacked}
                COMMAND_ERROR_IS_FATAL ANY)
foreach(file README.md LICENSE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${unpacked}/${PACKAGE}/${file}
                            ${SOURCE_DIR}/${file} RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${file} in ${PACKAGE}.zip differs from the source's")
    endif()
endforeach()
# The program is the built one, stripped: a Windows program, no larger than the build's.
set(packed ${unpacked}/${PACKAGE}/lapforge-gui.exe)
file(READ ${packed} magic LIMIT 2 HEX)
file(SIZE ${packed} packedSize)
file(SIZE ${PROGRAM} builtSize)
if(NOT magic STREQUAL "4d5a" OR packedSize GREATER builtSize)
    message(FATAL_ERROR "lapforge-gui.exe in ${PACKAGE}.zip is not the built program stripped "
                        "(${packedSize} bytes, built ${builtSize})")
endif()
message(STATUS "lapforge-gui.exe in ${PACKAGE}.zip: ${packedSize} bytes")
file(REMOVE_RECURSE ${out})
