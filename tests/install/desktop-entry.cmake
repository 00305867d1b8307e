# The launcher's Exec line for prefixes a player may install to, strange ones included: run
# as `cmake -DSOURCE=... -DWORK=... -P desktop-entry.cmake`, it writes the launcher the way
# an install does and compares the line a desktop reads.
set(ZELVO_DESKTOP_TEMPLATE "${SOURCE}/data/zelvo.desktop.in")
set(ZELVO_GAMES_DIR games)
set(ZELVO_APPLICATIONS_DIR share/applications)

# Each case: the prefix, then the Exec line expected.
set(cases
  "/usr" "Exec=/usr/games/zelvo"
  "/home/ann/.local" "Exec=/home/ann/.local/games/zelvo"
  "/opt/my games" "Exec=\"/opt/my games/games/zelvo\""
  "/opt/100% fun" "Exec=\"/opt/100%% fun/games/zelvo\""
  "/opt/a$b" "Exec=\"/opt/a\\\\$b/games/zelvo\""
  "/opt/say \"hi\"" "Exec=\"/opt/say \\\\\"hi\\\\\"/games/zelvo\""
  "/opt/back`tick" "Exec=\"/opt/back\\\\`tick/games/zelvo\"")

set(failures 0)
list(LENGTH cases count)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET cases ${i} prefix)
  list(GET cases ${j} expected)
  file(REMOVE_RECURSE "${WORK}")
  set(ENV{DESTDIR} "${WORK}")
  set(CMAKE_INSTALL_PREFIX "${prefix}")
  include("${SOURCE}/cmake/install-desktop-entry.cmake")
  file(STRINGS "${WORK}${prefix}/share/applications/zelvo.desktop" got REGEX "^Exec=")
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "prefix '${prefix}': got '${got}', expected '${expected}'")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
if(failures EQUAL 0)
  message(STATUS "every launcher names its program as the desktop reads it")
endif()
