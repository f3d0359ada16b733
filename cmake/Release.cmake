# The release the sources make: the version is project(VERSION); the date and
# the maintainer are those of the newest entry of data/debian/changelog, whose
# version must be the same (a release is made by raising both).
file(STRINGS ${PROJECT_SOURCE_DIR}/data/debian/changelog HELIOKRES_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT HELIOKRES_CHANGELOG_HEAD MATCHES "^heliokres \\(([^)]+)\\)")
    message(FATAL_ERROR "data/debian/changelog: the first line is not \"heliokres (VERSION) ...\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "data/debian/changelog starts with version ${CMAKE_MATCH_1}, the project "
                        "is ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()

file(STRINGS ${PROJECT_SOURCE_DIR}/data/debian/changelog HELIOKRES_CHANGELOG_TRAILER
     REGEX "^ -- " LIMIT_COUNT 1)
if(NOT HELIOKRES_CHANGELOG_TRAILER MATCHES
   "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "data/debian/changelog: the first entry has no \" -- NAME <MAIL>  DATE\" line")
endif()
set(HELIOKRES_MAINTAINER "${CMAKE_MATCH_1}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_3}" month)
if(month LESS 0)
    message(FATAL_ERROR "data/debian/changelog: unknown month ${CMAKE_MATCH_3}")
endif()
math(EXPR month "${month} + 1")
if(month LESS 10)
    set(month "0${month}")
endif()
set(HELIOKRES_RELEASE_DATE "${CMAKE_MATCH_4}-${month}-${CMAKE_MATCH_2}")

set(HELIOKRES_HOMEPAGE "https://heliokres.example.org" CACHE STRING
    "The program's web page (package metadata and the screenshot's address)")
