# Run by `cmake --install` (and so by CPack): writes the launcher with the program's full
# path under the prefix being installed to, so that it starts the game whether or not that
# folder is on the desktop's PATH (/usr/games is not on every one, a plain prefix seldom is).
# Set before it: ZELVO_DESKTOP_TEMPLATE, ZELVO_GAMES_DIR, ZELVO_APPLICATIONS_DIR.

set(_program "${CMAKE_INSTALL_PREFIX}/${ZELVO_GAMES_DIR}/zelvo")
cmake_path(ABSOLUTE_PATH _program NORMALIZE)

# A path of plain characters stands as it is; any other is quoted as the desktop entry's
# Exec key asks: \ " ` $ escaped inside double quotes, then every \ doubled again because
# the key's value is itself a string, and % doubled because it starts a field code.
if(_program MATCHES "\n")
  message(FATAL_ERROR "The prefix ${CMAKE_INSTALL_PREFIX} holds a line break, which a "
    "launcher cannot name: install the game under another folder.")
elseif(_program MATCHES "^[A-Za-z0-9/._+,:@=-]+$")
  set(ZELVO_EXEC "${_program}")
else()
  set(_quoted "${_program}")
  string(REPLACE "\\" "\\\\" _quoted "${_quoted}")
  string(REPLACE "\"" "\\\"" _quoted "${_quoted}")
  string(REPLACE "`" "\\`" _quoted "${_quoted}")
  string(REPLACE "$" "\\$" _quoted "${_quoted}")
  string(REPLACE "\\" "\\\\" _quoted "${_quoted}")
  string(REPLACE "%" "%%" _quoted "${_quoted}")
  set(ZELVO_EXEC "\"${_quoted}\"")
endif()

set(_entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ZELVO_APPLICATIONS_DIR}/zelvo.desktop")
message(STATUS "Installing: ${_entry}")
configure_file("${ZELVO_DESKTOP_TEMPLATE}" "${_entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_entry}")
