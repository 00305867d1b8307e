# The DirectSound buffers heard under Wine: the game's aisle tone through a private ALSA
# file sink, its place and loudness read back; then no sound device at all.
add_executable(zelvo-sound-check ${CMAKE_CURRENT_LIST_DIR}/sound_check.cpp)
target_link_libraries(zelvo-sound-check PRIVATE zelvo_win32_platform zelvo_core)
add_test(NAME smoke.windows-sound
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/smoke/windows-sound.sh ${CMAKE_BINARY_DIR}/wine-run
    $<TARGET_FILE:zelvo-sound-check> ${CMAKE_BINARY_DIR}/sounds
    ${CMAKE_CURRENT_BINARY_DIR}/windows-sound)
# Alone: the check waits on Wine's mixer, and a loaded machine would stretch it.
set_tests_properties(smoke.windows-sound PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
