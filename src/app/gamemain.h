// What every desktop program of the game does around its platform: the arguments, the
// player's folder, the recorder, the start-up and the event loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace zelvo {

// Opens the desktop's platform; throws (PlatformError) when it cannot.
using PlatformOpener = std::function<std::unique_ptr<Platform>()>;

// Runs the game: `argc` and `argv` are main's (--dir FOLDER, --record FILE), taken in UTF-8
// on every system; `programFolder` is where the executable is, which holds the sounds of a
// portable game. Returns the program's exit status: 0 when the game ended, 1 when it could
// not start or failed, 2 for arguments it does not know.
int runGameProgram(int argc, char** argv, const std::string& programFolder,
                   const PlatformOpener& openPlatform);

}  // namespace zelvo
