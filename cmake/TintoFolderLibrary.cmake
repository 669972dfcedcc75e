# tinto_folder_library(folder deps...): the sources of one source folder as the static
# library tinto_<folder>, linked to the libraries of the folders below it. The program
# entries (app/main_*.cpp) belong to the executables, not to the library.
function(tinto_folder_library folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$|/app/main_(sdl|win32|sim)\\.cpp$")
  tinto_keep_platform_sources(sources)
  add_library(tinto_${folder} STATIC ${sources})
  target_include_directories(tinto_${folder} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tinto_${folder} PUBLIC ${ARGN})
endfunction()
