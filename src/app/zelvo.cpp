// The game program on the Linux desktop: the SDL window, speech-dispatcher and SDL_mixer.
#include <SDL2/SDL_filesystem.h>
#include <SDL2/SDL_stdinc.h>

#include <memory>
#include <string>

#include "app/gamemain.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// The folder the executable is in: a portable game keeps its sounds beside it, an installed
// one in ../share/zelvo.
std::string programFolder() {
    char* base = SDL_GetBasePath();
    if (!base) return ".";
    std::string folder = base;
    SDL_free(base);
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    return zelvo::runGameProgram(argc, argv, programFolder(),
                                 [] { return std::make_unique<zelvo::SdlPlatform>("Zelvo"); });
}
