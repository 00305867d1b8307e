# The real zelvo.exe's speech outputs and sound device under Wine and a virtual screen: JAWS
# (a stand-in registered in a Wine folder of the test's own), Wine's voice and Tab, and no
# sound device. It fails, never skips, when Xvfb, xdotool or ImageMagick is missing.
add_test(NAME smoke.windows-outputs
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/smoke/windows-outputs.sh $<TARGET_FILE:zelvo>
    ${CMAKE_BINARY_DIR}/sounds $<TARGET_FILE:fake-jaws> ${ZELVO_WINE64}
    ${CMAKE_BINARY_DIR}/wine-outputs ${CMAKE_CURRENT_BINARY_DIR}/smoke-outputs)
# A fresh Wine folder takes a while to make on a busy machine.
set_tests_properties(smoke.windows-outputs PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
