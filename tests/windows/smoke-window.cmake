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
