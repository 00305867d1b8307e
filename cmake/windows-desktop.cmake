# The Windows desktop adapter: a Win32 window, SAPI, the JAWS API, UI Automation
# notifications and DirectSound. Only libraries Windows itself carries are linked.
file(GLOB ZELVO_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(zelvo_win32_platform STATIC ${ZELVO_WIN32_SOURCES}
  src/platform/speechd/spoken_money.cpp src/platform/speechd/utf8.cpp)
target_include_directories(zelvo_win32_platform PUBLIC src)
target_link_libraries(zelvo_win32_platform PUBLIC user32 gdi32 ole32 oleaut32 uuid dsound
  dxguid winmm sapi)

# The game program, a window program of its own (no console), which shares every line of
# the Linux one's but the platform and the finding of its folder.
add_executable(zelvo WIN32 src/app/zelvo_win32.cpp src/app/gamemain.cpp)
target_link_libraries(zelvo PRIVATE zelvo_recording zelvo_folders zelvo_win32_platform)
