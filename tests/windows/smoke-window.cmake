# The real zelvo.exe under Wine and a virtual screen: its window, keys, title and letters.
# It fails, never skips, when Xvfb, xdotool or ImageMagick is missing.
find_program(ZELVO_WINESERVER wineserver HINTS /usr/lib/wine)
if(NOT ZELVO_WINESERVER)
  set(ZELVO_WINESERVER wineserver)  # the test then says it is missing
endif()
add_test(NAME smoke.windows-window
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/smoke/windows-window.sh $<TARGET_FILE:zelvo>
    $<TARGET_FILE:zelvo-headless> ${CMAKE_BINARY_DIR}/wine-run ${ZELVO_WINESERVER}
    ${ZELVO_WINEPREFIX} ${CMAKE_BINARY_DIR}/sounds ${CMAKE_CURRENT_BINARY_DIR}/smoke-window)
set_tests_properties(smoke.windows-window PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)

# The platform's window, events, timers and text-entry box, on a real window: one program of
# their own, run whole on a virtual screen.
file(GLOB ZELVO_WIN32_WINDOW_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/window/*_test.cpp)
if(GTest_FOUND)
  add_executable(zelvo_win32_window_tests ${ZELVO_WIN32_WINDOW_TEST_SOURCES})
  target_link_libraries(zelvo_win32_window_tests PRIVATE zelvo_win32_platform GTest::gtest_main)
  add_test(NAME windows.platform-window
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-under-x.sh ${CMAKE_BINARY_DIR}/wine-run
      ${ZELVO_WINESERVER} ${ZELVO_WINEPREFIX} $<TARGET_FILE:zelvo_win32_window_tests>)
  set_tests_properties(windows.platform-window PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
endif()
