# Cross-building for 64-bit Windows from Debian with mingw-w64 (g++-mingw-w64-x86-64-posix).
# The posix flavour has std::thread; libgcc, libstdc++ and winpthreads are linked in
# statically, so the .exe needs no DLL beside it, only those Windows itself has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZELVO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZELVO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELVO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELVO_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZELVO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

