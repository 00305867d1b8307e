# The desktop program `zelvo`: the SDL2 window and sound, speech-dispatcher, espeak-ng, BrlAPI
# and the session bus (sd-bus) for the screen reader.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(SPEECHD REQUIRED IMPORTED_TARGET speech-dispatcher)
pkg_check_modules(ESPEAK_NG REQUIRED IMPORTED_TARGET espeak-ng)
pkg_check_modules(SYSTEMD REQUIRED IMPORTED_TARGET libsystemd)

# libbrlapi ships no pkg-config file.
find_path(BRLAPI_INCLUDE_DIR brlapi.h REQUIRED)
find_library(BRLAPI_LIBRARY brlapi REQUIRED)

file(GLOB ZELVO_DESKTOP_SOURCES CONFIGURE_DEPENDS
  src/platform/sdl/*.cpp src/platform/speechd/*.cpp src/platform/espeak/*.cpp
  src/platform/braille/*.cpp
  src/platform/screenreader/*.cpp)
add_library(zelvo_desktop_platform STATIC ${ZELVO_DESKTOP_SOURCES})
target_include_directories(zelvo_desktop_platform PUBLIC src PRIVATE ${BRLAPI_INCLUDE_DIR})
target_link_libraries(zelvo_desktop_platform
  PUBLIC PkgConfig::SDL2 PkgConfig::SDL2_TTF PkgConfig::SDL2_MIXER
  PRIVATE PkgConfig::SPEECHD PkgConfig::ESPEAK_NG PkgConfig::SYSTEMD ${BRLAPI_LIBRARY}
    Threads::Threads)

add_executable(zelvo src/app/zelvo.cpp src/app/gamemain.cpp)
target_link_libraries(zelvo PRIVATE zelvo_recording zelvo_folders zelvo_desktop_platform)
