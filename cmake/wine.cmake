# Wine for the Windows build's tests: a Wine folder of the build's own (made on first use),
# and none of Wine's own diagnostics mixed into what the programs print. Debian keeps
# wine64 out of the PATH unless the `wine` package is installed.
find_program(ZELVO_WINE64 wine64 HINTS /usr/lib/wine)
if(NOT ZELVO_WINE64)
  message(WARNING "wine64 is not installed: the Windows programs are built but their tests "
    "cannot run (scripts/install-deps --windows installs it)")
  set(ZELVO_WINE64 wine64)
endif()
set(ZELVO_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
    WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
