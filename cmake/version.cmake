# The program's version: the release number in the VERSION file at the root and, in a git
# work tree, the commits since the release tag (or since the first commit) and the commit
# itself, as in "1.0.0-112-gd39ed36". Sets TINTO_VERSION (that text) and
# TINTO_VERSION_NUMBERS (four numbers for the Windows version resource: major, minor,
# patch, commits).
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION TINTO_RELEASE LIMIT_COUNT 1)
string(STRIP "${TINTO_RELEASE}" TINTO_RELEASE)
if(NOT TINTO_RELEASE MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must hold a release number such as 1.0.0, not '${TINTO_RELEASE}'")
endif()
set(TINTO_VERSION_NUMBERS "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3}")
set(TINTO_VERSION ${TINTO_RELEASE})
set(tinto_commits 0)

find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
  execute_process(COMMAND ${GIT_EXECUTABLE} describe --tags --match "v${TINTO_RELEASE}" --long
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE tinto_describe
                  ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(tinto_describe MATCHES "-([0-9]+)-g([0-9a-f]+)$")
    set(tinto_commits ${CMAKE_MATCH_1})
    set(tinto_commit ${CMAKE_MATCH_2})
  else()
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE tinto_commits
                    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=7 HEAD
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE tinto_commit
                    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(tinto_commits MATCHES "^[0-9]+$" AND tinto_commit)
    if(NOT tinto_commits EQUAL 0)
      set(TINTO_VERSION "${TINTO_RELEASE}-${tinto_commits}-g${tinto_commit}")
    endif()
  else()
    set(tinto_commits 0)
  endif()
endif()
# The version resource holds numbers up to 65535 each.
if(tinto_commits GREATER 65535)
  set(tinto_commits 65535)
endif()
string(APPEND TINTO_VERSION_NUMBERS ",${tinto_commits}")
message(STATUS "Version ${TINTO_VERSION} (${TINTO_VERSION_NUMBERS})")
