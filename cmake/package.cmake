# The Debian package (`make package`, or `cpack` in the build folder): everything
# `cmake --install` puts in place, under /usr.

# The package's version is the game's own.
file(STRINGS src/state/state.h ZELVO_VERSION_LINE REGEX "kGameVersion = ")
string(REGEX MATCH "\"([0-9.]+)\"" _ "${ZELVO_VERSION_LINE}")
set(CPACK_PACKAGE_VERSION ${CMAKE_MATCH_1})

set(ZELVO_MAINTAINER "Zelvo developers <maintainers@users.noreply.c-seed-9185a105.example>"
  CACHE STRING "The maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvo)
set(CPACK_PACKAGE_VENDOR "Zelvo developers")
set(CPACK_PACKAGE_CONTACT "${ZELVO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "store-management game played by ear and keyboard")
# The summary above is the Description's first line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zelvo is made for blind and partially sighted players. You run one store
against four computer-run stores for five game years: prices, stock from a
shared warehouse, staff and wages, loans from six banks, construction, extra
features, market research and monthly statements.
.
Every menu item, figure and event is spoken through speech-dispatcher, the
window title, a braille display or the Orca screen reader; short sounds,
placed left or right, mark days, sales, payments and alarms; the last message
is drawn in large letters for players with some sight.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps, with the versions they need;
# what the game calls on at run time besides them is named here: the voice and its
# synthesiser, and the font of the window's letters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "speech-dispatcher, speech-dispatcher-espeak-ng, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "orca, brltty")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The launcher is written at install time with the program's path as the package will have
# it (/usr/games/zelvo), not as it lies in CPack's staging folder: so CPack installs with
# DESTDIR, and then to CPACK_INSTALL_PREFIX rather than the packaging prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${CPACK_PACKAGING_INSTALL_PREFIX})

# The licence and the history, where Debian's policy looks for them: the copyright file in
# the machine-readable format, pointing at the GPL's text that every Debian system has, and
# the changelog compressed with -9n (no name or date inside, so the package is reproducible).
# The changelog is kept by hand: a new version of the game needs its entry there. The package
# is the game's own (its version has no Debian revision), so the changelog is changelog.gz,
# not changelog.Debian.gz.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS data/debian/changelog)
configure_file(data/debian/copyright.in debian/copyright @ONLY)
execute_process(COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/data/debian/changelog
  OUTPUT_FILE ${CMAKE_BINARY_DIR}/debian/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
