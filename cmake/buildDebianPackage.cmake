# SPDX-License-Identifier: MIT
# Builds the Debian package from a finished build into a folder of its own, for the tests that
# look at it.
# cmake -DBUILD_DIR=dir -DOUT=dir -P buildDebianPackage.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${OUT}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack did not make one package:\n${log}")
endif()
message(STATUS "Built ${packages}")
