# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DVERSION=x.y -DSOURCE=<checkout> -P CheckVersions.cmake
# The files that name the version themselves must agree with project(VERSION): the newest entry
# of debian/changelog and of CHANGELOG.md.
file(STRINGS ${SOURCE}/debian/changelog first LIMIT_COUNT 1)
string(REGEX MATCH "^ravelin \\(([^)-]+)" _ "${first}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "debian/changelog names version \"${CMAKE_MATCH_1}\", CMakeLists.txt \"${VERSION}\"")
endif()
file(STRINGS ${SOURCE}/CHANGELOG.md releases REGEX "^## \\[[0-9]")
list(GET releases 0 newest)
string(REGEX MATCH "^## \\[([^]]+)\\]" _ "${newest}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "CHANGELOG.md names version \"${CMAKE_MATCH_1}\" last, CMakeLists.txt \"${VERSION}\"")
endif()
