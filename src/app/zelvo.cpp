// The game program: the real start-up and the real game on the desktop.
#include "core/zelvo.h"

#include <SDL2/SDL_filesystem.h>
#include <SDL2/SDL_stdinc.h>

#include <cstdio>
#include <exception>
#include <string>

#include "game/startup.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// The folder the executable is in: the sounds and the player's files live beside it.
std::string programFolder() {
    char* base = SDL_GetBasePath();
    if (!base) return ".";
    std::string folder = base;
    SDL_free(base);
    return folder;
}

}  // namespace

int main() {
    try {
        zelvo::SdlPlatform platform("Zelvo");
        zelvo::Zelvo z(platform, programFolder());
        platform.setTitle(zelvo::windowtitle(z));
        try {
            zelvo::Form_Load(z);
            for (;;) platform.processEvents(-1);
        } catch (const zelvo::ProgramEnded&) {
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelvo: %s\n", e.what());
        return 1;
    }
    return 0;
}
