// What every desktop program of the game does around its platform: the arguments, the
// player's folder, the recorder, the start-up and the event loop.
#include "app/gamemain.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/folderfacts.h"
#include "app/folders.h"
#include "app/recorder.h"
#include "app/recordings.h"
#include "core/system.h"
#include "core/zelvo.h"
#include "game/startup.h"

// Where an installed game's sounds are, seen from the folder its programs are installed in
// (games/); the build sets it from the install folders.
#ifndef ZELVO_DATA_FROM_PROGRAM
#define ZELVO_DATA_FROM_PROGRAM "../share/zelvo"
#endif

namespace zelvo {
namespace {

int usage(const std::string& problem) {
    std::fprintf(stderr, "zelvo: %s\nusage: zelvo [--dir FOLDER] [--record FILE]\n",
                 problem.c_str());
    return 2;
}

int play(Platform& platform, const std::string& program, const std::string& dir,
         const std::string& record) {
    // Every session is kept from its first event, so that turning recording on later
    // still gives a recording that replays from the start.
    SessionRecorder recorder(platform);
    FolderChoice choice = choosePlayerFolder(gatherfolderfacts(dir, program));
    if (choice.problem.empty()) makePlayerFolder(choice.folder, choice.problem);
    if (!choice.problem.empty()) {
        // Said and shown in the game's own window, so that a player who started the game
        // from a menu hears why it ends.
        platform.messageBox("Zelvo cannot start: " + choice.problem + ".");
        return 1;
    }
    Zelvo z(recorder, choice.folder);
    z.soundfolder = chooseSoundFolder(program, ZELVO_DATA_FROM_PROGRAM, isfolder);
    platform.setTitle(windowtitle(z));
    keepfilesread(z, recorder);
    try {
        Form_Load(z);
        keeprecording(z, recorder, record);
        for (;;) platform.processEvents(-1);
    } catch (const ProgramEnded&) {
    }
    return 0;
}

}  // namespace

int runGameProgram(int argc, char** argv, const std::string& programFolder,
                   const PlatformOpener& openPlatform) {
    const std::vector<std::string> arguments = programarguments(argc, argv);
    std::string dir;
    std::string record;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool valued = i + 1 < arguments.size() && !arguments[i + 1].empty();
        if (arg == "--dir" && valued) {
            dir = arguments[++i];
        } else if (arg == "--dir") {
            return usage("--dir needs a folder");
        } else if (arg == "--record" && valued) {
            record = arguments[++i];
        } else if (arg == "--record") {
            return usage("--record needs a file");
        } else {
            return usage("unknown argument " + arg);
        }
    }
    try {
        const std::unique_ptr<Platform> platform = openPlatform();
        return play(*platform, programFolder, dir, record);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelvo: %s\n", e.what());
        return 1;
    }
}

}  // namespace zelvo
