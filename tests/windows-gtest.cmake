# GoogleTest for Windows, built from the source Debian's libgtest-dev ships: Debian has no
# mingw build of it.
set(ZELVO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source (libgtest-dev)")
if(EXISTS ${ZELVO_GTEST_SOURCE}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZELVO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own code is not held to the game's warnings.
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
  set(GTest_FOUND TRUE)
endif()
