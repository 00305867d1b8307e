// The game program: the real start-up and the real game on the desktop.
#include "core/zelvo.h"

#include <SDL2/SDL_filesystem.h>
#include <SDL2/SDL_stdinc.h>

#include <cstdio>
#include <exception>
#include <string>

#include "app/folderfacts.h"
#include "app/folders.h"
#include "app/recorder.h"
#include "app/recordings.h"
#include "game/startup.h"
#include "platform/sdl/sdl_platform.h"

// Where an installed game's sounds are, seen from the folder its programs are installed in
// (games/); the build sets it from the install folders.
#ifndef ZELVO_DATA_FROM_PROGRAM
#define ZELVO_DATA_FROM_PROGRAM "../share/zelvo"
#endif

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

int usage(const std::string& problem) {
    std::fprintf(stderr, "zelvo: %s\nusage: zelvo [--dir FOLDER] [--record FILE]\n",
                 problem.c_str());
    return 2;
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
    try {
        zelvo::SdlPlatform platform("Zelvo");
        // Every session is kept from its first event, so that turning recording on later
        // still gives a recording that replays from the start.
        zelvo::SessionRecorder recorder(platform);
        const std::string program = programFolder();
        zelvo::FolderChoice choice =
            zelvo::choosePlayerFolder(zelvo::gatherfolderfacts(dir, program));
        if (choice.problem.empty()) zelvo::makePlayerFolder(choice.folder, choice.problem);
        if (!choice.problem.empty()) {
            // Said and shown in the game's own window, so that a player who started the
            // game from a menu hears why it ends.
            platform.messageBox("Zelvo cannot start: " + choice.problem + ".");
            return 1;
        }
        zelvo::Zelvo z(recorder, choice.folder);
        z.soundfolder = zelvo::chooseSoundFolder(program, ZELVO_DATA_FROM_PROGRAM, zelvo::isfolder);
        platform.setTitle(zelvo::windowtitle(z));
        zelvo::keepfilesread(z, recorder);
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
