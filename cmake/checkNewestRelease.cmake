# SPDX-License-Identifier: MIT
# Fails unless the newest release in the software-centre metadata (the first one listed), or
# the newest entry of the Debian changelog, is the project's version, so that a new version
# cannot ship with the old release notes.
# cmake -DMETAINFO=file -DVERSION=x.y.z -P checkNewestRelease.cmake
# cmake -DCHANGELOG=file -DVERSION=x.y.z -P checkNewestRelease.cmake
if(DEFINED METAINFO)
    set(file ${METAINFO})
    set(newest "<release[ \t\r\n]+version=\"([^\"]*)\"")
else()
    set(file ${CHANGELOG})
    set(newest "^[a-z0-9.+-]+ \\(([^)]*)\\)")
endif()
file(READ ${file} text)
if(NOT text MATCHES "${newest}")
    message(FATAL_ERROR "${file} lists no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${file}: the newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()
