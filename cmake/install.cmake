# What `cmake --install` puts where: the programs, the sounds, the launcher, the icon and
# the manual page. An installed game finds its sounds in ../share/zelvo from its bin folder.
include(GNUInstallDirs)

# Installing and packaging take what the build made; they do not build every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZELVO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zelvo)
file(RELATIVE_PATH ZELVO_DATA_FROM_BIN /root/${CMAKE_INSTALL_BINDIR} /root/${ZELVO_DATA_DIR})
target_compile_definitions(zelvo PRIVATE ZELVO_DATA_FROM_BIN="${ZELVO_DATA_FROM_BIN}")

install(TARGETS zelvo zelvo-headless RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/sounds DESTINATION ${ZELVO_DATA_DIR})
install(FILES data/zelvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/zelvo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

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
