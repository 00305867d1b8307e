# Unit tests of the Windows adapter's own logic, run under Wine.
file(GLOB ZELVO_WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/desktop/*_test.cpp)
if(ZELVO_WIN32_TEST_SOURCES AND GTest_FOUND)
  add_executable(zelvo_win32_tests ${ZELVO_WIN32_TEST_SOURCES})
  target_include_directories(zelvo_win32_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(zelvo_win32_tests PRIVATE zelvo_win32_platform GTest::gtest_main)
  gtest_discover_tests(zelvo_win32_tests DISCOVERY_TIMEOUT 120)
endif()
