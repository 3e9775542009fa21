# SPDX-License-Identifier: MIT
# Fails unless the newest release in the software-centre metadata (the first one listed) is
# the project's version, so that a new version cannot ship with the old release notes.
# cmake -DMETAINFO=file -DVERSION=x.y.z -P checkNewestRelease.cmake
file(READ ${METAINFO} metainfo)
if(NOT metainfo MATCHES "<release[ \t\r\n]+version=\"([^\"]*)\"")
    message(FATAL_ERROR "${METAINFO} lists no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${METAINFO}: the newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()
