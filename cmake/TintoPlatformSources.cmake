# A source that serves one platform only ends in _posix.cpp or _win32.cpp (a test of it in
# _posix_test.cpp or _win32_test.cpp); each build keeps the ones of its target system and
# drops the others.
function(tinto_keep_platform_sources var)
  if(WIN32)
    list(FILTER ${var} EXCLUDE REGEX "_posix(_test)?\\.cpp$")
  else()
    list(FILTER ${var} EXCLUDE REGEX "_win32(_test)?\\.cpp$")
  endif()
  set(${var} ${${var}} PARENT_SCOPE)
endfunction()
