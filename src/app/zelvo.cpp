// The game program: the real start-up and the real game on the desktop.
#include "core/zelvo.h"

#include <SDL2/SDL_filesystem.h>
#include <SDL2/SDL_stdinc.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/recorder.h"
#include "app/recordings.h"
#include "game/startup.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// The folder the executable is in: the game's sounds live beside it, and so do the
// player's files unless --dir names another folder for them.
std::string programFolder() {
    char* base = SDL_GetBasePath();
    if (!base) return ".";
    std::string folder = base;
    SDL_free(base);
    return folder;
}

int usage(const std::string& problem) {
    std::fprintf(stderr, "zelvo: %s\nusage: zelvo [--dir FOLDER] [--record FILE]\n",
                 problem.c_str());
    return 2;
}

// Makes the player's folder on the first start; false, with the reason, when it cannot be
// had as a folder.
bool playerFolder(const std::string& dir, std::string& problem) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (std::filesystem::is_directory(dir, ec)) return true;
    problem = "the folder for your games, " + dir + ", cannot be made" +
              (ec ? ": " + ec.message() : ": a file of that name is in the way");
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dir;
    std::string record;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc && argv[i + 1][0] != '\0') {
            dir = argv[++i];
        } else if (arg == "--dir") {
            return usage("--dir needs a folder");
        } else if (arg == "--record" && i + 1 < argc && argv[i + 1][0] != '\0') {
            record = argv[++i];
        } else if (arg == "--record") {
            return usage("--record needs a file");
        } else {
            return usage("unknown argument " + arg);
        }
    }
    std::string problem;
    if (!dir.empty() && !playerFolder(dir, problem)) {
        std::fprintf(stderr, "zelvo: %s\n", problem.c_str());
        return 1;
    }
    try {
        zelvo::SdlPlatform platform("Zelvo");
        // Every session is kept from its first event, so that turning recording on later
        // still gives a recording that replays from the start.
        zelvo::SessionRecorder recorder(platform);
        const std::string program = programFolder();
        zelvo::Zelvo z(recorder, dir.empty() ? program : dir);
        z.soundfolder = program;
        platform.setTitle(zelvo::windowtitle(z));
        try {
            zelvo::Form_Load(z);
            zelvo::keeprecording(z, recorder, record);
            for (;;) platform.processEvents(-1);
        } catch (const zelvo::ProgramEnded&) {
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelvo: %s\n", e.what());
        return 1;
    }
    return 0;
}
