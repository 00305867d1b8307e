# The download a Windows player unzips (make windows-zip).
add_test(NAME windows.zip
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-zip.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(windows.zip PROPERTIES TIMEOUT 180)
