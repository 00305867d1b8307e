# What `cmake --install` puts where: the programs, the sounds, the launcher, the icon and
# the manual page. The programs go in games/, as Debian keeps games in /usr/games (and
# /usr/local/games for a plain prefix); an installed game finds its sounds in ../share/zelvo
# from there.
include(GNUInstallDirs)

# Installing and packaging take what the build made; they do not build every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZELVO_GAMES_DIR games)
set(ZELVO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zelvo)
file(RELATIVE_PATH ZELVO_DATA_FROM_PROGRAM /root/${ZELVO_GAMES_DIR} /root/${ZELVO_DATA_DIR})
target_compile_definitions(zelvo PRIVATE ZELVO_DATA_FROM_PROGRAM="${ZELVO_DATA_FROM_PROGRAM}")

install(TARGETS zelvo zelvo-headless RUNTIME DESTINATION ${ZELVO_GAMES_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/sounds DESTINATION ${ZELVO_DATA_DIR})
install(FILES data/zelvo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The launcher names the program by its full path, which only the install knows.
install(CODE "
  set(ZELVO_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/data/zelvo.desktop.in\")
  set(ZELVO_GAMES_DIR \"${ZELVO_GAMES_DIR}\")
  set(ZELVO_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")")
install(SCRIPT cmake/install-desktop-entry.cmake)

# Manual pages are installed compressed, as Debian's policy asks; -n keeps the package
# reproducible.
find_program(GZIP gzip REQUIRED)
set(ZELVO_MANPAGES)
foreach(page zelvo.6 zelvo-headless.6)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/data/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${page}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND ZELVO_MANPAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${ZELVO_MANPAGES})
install(FILES ${ZELVO_MANPAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
