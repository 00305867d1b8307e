# The speech outputs' tests that need more than the adapter's unit tests: the JAWS output
# against a stand-in COM server registered as "FreedomSci.JawsApi" in a Wine prefix of its
# own (tests/smoke/windows-fake-jaws.sh registers it; a test of the whole program can too).
add_library(fake-jaws MODULE ${CMAKE_CURRENT_LIST_DIR}/fake-jaws/fake_jaws.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake-jaws/fake_jaws.def)
set_target_properties(fake-jaws PROPERTIES PREFIX "")
target_link_libraries(fake-jaws PRIVATE ole32 oleaut32 uuid)
target_link_options(fake-jaws PRIVATE -static -static-libgcc -static-libstdc++)
if(GTest_FOUND)
  add_executable(zelvo_win32_jaws_tests ${CMAKE_CURRENT_LIST_DIR}/fake-jaws/jaws_api_test.cpp)
  target_link_libraries(zelvo_win32_jaws_tests PRIVATE zelvo_win32_platform GTest::gtest_main)
  add_dependencies(zelvo_win32_jaws_tests fake-jaws)
  add_test(NAME win32.jaws-api
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/fake-jaws/run-jaws-api-test.sh ${ZELVO_WINE64}
      ${CMAKE_BINARY_DIR}/wine-fake-jaws $<TARGET_FILE:fake-jaws>
      $<TARGET_FILE:zelvo_win32_jaws_tests>)
  # A fresh Wine prefix takes a while to make on a busy machine.
  set_tests_properties(win32.jaws-api PROPERTIES TIMEOUT 300)
endif()
