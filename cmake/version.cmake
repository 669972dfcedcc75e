# The program's version, from the repository.
#
# The release number is the latest release tag "vX.Y.Z" reachable from HEAD or, while no
# release is tagged, the VERSION file at the root. Commits after the release and the
# commit itself are appended as `git describe` writes them, and "-dirty" when tracked
# files differ from the commit: "1.0.0" on the tagged commit, "1.0.0-12-gabc1234" twelve
# commits later. Without git (a source archive) the VERSION file alone is the version.
#
# Included from the top CMakeLists.txt, it sets
#   TINTO_VERSION          that text;
#   TINTO_VERSION_NUMBERS  four numbers for the Windows version resource: major, minor,
#                          patch and commits since the release ("1,0,0,12");
# and makes the library tinto_version, whose one generated source defines
# tinto::ProgramVersion() (app/version.h). Every build looks at the repository again and
# rewrites that source only when the version changed, so a new commit recompiles one
# file.
#
# Run as a script:
#   cmake -DTINTO_VERSION_SOURCE=FILE -P cmake/version.cmake   rewrites FILE when it changed
#   cmake -P cmake/version.cmake                               prints the version
#   cmake -DTINTO_VERSION_PRINT=numbers -P cmake/version.cmake  prints the four numbers

get_filename_component(tinto_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# tinto_find_version(VERSION NUMBERS): the version text and the resource's numbers.
function(tinto_find_version out_version out_numbers)
  file(STRINGS "${tinto_root}/VERSION" release LIMIT_COUNT 1)
  string(STRIP "${release}" release)
  if(NOT release MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION must hold a release number such as 1.0.0, not '${release}'")
  endif()
  set(commits 0)
  set(suffix "")

  if(NOT GIT_EXECUTABLE)
    find_program(GIT_EXECUTABLE git)
  endif()
  # Only the repository of these sources counts: an unpacked source archive that lies
  # inside some other work tree has no git version.
  if(GIT_EXECUTABLE)
    execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --show-toplevel
                    WORKING_DIRECTORY "${tinto_root}" OUTPUT_VARIABLE top RESULT_VARIABLE failed
                    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT failed AND top)
      get_filename_component(top "${top}" REALPATH)
      get_filename_component(root "${tinto_root}" REALPATH)
      if(NOT top STREQUAL root)
        set(failed 1)
      endif()
    endif()
  else()
    set(failed 1)
  endif()

  if(NOT failed)
    # --no-optional-locks: the build never takes the index's lock from a git command
    # the developer runs at the same time.
    set(git "${GIT_EXECUTABLE}" --no-optional-locks)
    execute_process(COMMAND ${git} describe --tags --match "v[0-9]*" --long --dirty --abbrev=7
                    WORKING_DIRECTORY "${tinto_root}" OUTPUT_VARIABLE described
                    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(described MATCHES "^v([0-9]+\\.[0-9]+\\.[0-9]+)-([0-9]+)-g([0-9a-f]+)(-dirty)?$")
      set(release ${CMAKE_MATCH_1})
      set(commits ${CMAKE_MATCH_2})
      set(commit ${CMAKE_MATCH_3})
      set(dirty "${CMAKE_MATCH_4}")
    else()
      # No release tagged yet: count from the first commit.
      execute_process(COMMAND ${git} rev-list --count HEAD
                      WORKING_DIRECTORY "${tinto_root}" OUTPUT_VARIABLE commits
                      ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
      execute_process(COMMAND ${git} describe --always --dirty --abbrev=7
                      WORKING_DIRECTORY "${tinto_root}" OUTPUT_VARIABLE described
                      ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(commits MATCHES "^[0-9]+$" AND described MATCHES "^([0-9a-f]+)(-dirty)?$")
        set(commit ${CMAKE_MATCH_1})
        set(dirty "${CMAKE_MATCH_2}")
      else()
        set(commits 0)  # a repository without commits
      endif()
    endif()
    if(commits GREATER 0)
      set(suffix "-${commits}-g${commit}")
    endif()
    string(APPEND suffix "${dirty}")
  endif()

  string(REPLACE "." "," numbers "${release}")
  # The version resource holds numbers up to 65535 each.
  if(commits GREATER 65535)
    set(commits 65535)
  endif()
  set(${out_version} "${release}${suffix}" PARENT_SCOPE)
  set(${out_numbers} "${numbers},${commits}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  tinto_find_version(TINTO_VERSION TINTO_VERSION_NUMBERS)
  if(TINTO_VERSION_SOURCE)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/version.cpp.in" "${TINTO_VERSION_SOURCE}" @ONLY)
  elseif(TINTO_VERSION_PRINT STREQUAL "numbers")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${TINTO_VERSION_NUMBERS}")
  else()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${TINTO_VERSION}")
  endif()
  return()
endif()

find_package(Git QUIET)
tinto_find_version(TINTO_VERSION TINTO_VERSION_NUMBERS)
message(STATUS "Version ${TINTO_VERSION} (${TINTO_VERSION_NUMBERS})")
# A new release number configures again (and so renews the version resource).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${tinto_root}/VERSION")

set(TINTO_VERSION_SOURCE "${CMAKE_BINARY_DIR}/version/version.cpp")
configure_file("${CMAKE_CURRENT_LIST_DIR}/version.cpp.in" "${TINTO_VERSION_SOURCE}" @ONLY)
add_custom_target(tinto_version_source
  COMMAND "${CMAKE_COMMAND}" "-DGIT_EXECUTABLE=${GIT_EXECUTABLE}"
          "-DTINTO_VERSION_SOURCE=${TINTO_VERSION_SOURCE}" -P "${CMAKE_CURRENT_LIST_FILE}"
  BYPRODUCTS "${TINTO_VERSION_SOURCE}"
  COMMENT "Looking for the version"
  VERBATIM)
add_library(tinto_version STATIC "${TINTO_VERSION_SOURCE}")
add_dependencies(tinto_version tinto_version_source)
target_include_directories(tinto_version PUBLIC "${tinto_root}")
