// The context every operation works on: the game state, sound and language records, the
// random generator and the machine behind them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/random.h"
#include "core/records.h"
#include "platform/platform.h"
#include "state/state.h"

namespace zelvo {

struct MenuTable;

// Thrown once the program has ended; unwinds every nested handler up to the main loop.
// Not a std::exception, so that no menu's fault handling swallows it.
struct ProgramEnded {};

struct Zelvo {
    Zelvo(Platform& platform, std::string folder);
    ~Zelvo();
    Zelvo(const Zelvo&) = delete;
    Zelvo& operator=(const Zelvo&) = delete;

    Platform& platform;
    std::string folder;  // the player's folder: saves, preferences, statements, item lists
    // Where the game's own sounds/ folder is; the player's folder unless the program was
    // told to keep the player's files apart from itself.
    std::string soundfolder;
    std::unique_ptr<GameState> state;
    GameState& s;
    Sound sound;
    Language language;
    Random rng;

    // The machine's side of things, never saved.
    bool dayrunning = false;  // a day is being processed; a tick now must not start another
    long long daysprocessed = 0;
    bool ended = false;
    bool autosavefailed = false;     // the player has been told why the automatic save failed
    std::vector<std::string> List2;  // the lines of the last statement, read in its menu

    // Handed in by the game's shell at start-up: who hears the machine's events, and the
    // table of menus the menu engine dispatches through.
    std::unique_ptr<PlatformEvents> events;
    const MenuTable* menutable = nullptr;

    // Told of each file the game reads from the player's folder: its name there and what it
    // held (nothing: there was no such file). A recording keeps them, so that it replays
    // with the same preferences, item lists and saves.
    std::function<void(const std::string& name, const std::optional<std::string>& bytes)> fileread;
};

// The window caption, also the title the speech outputs restore.
std::string windowtitle(const std::string& version);
inline std::string windowtitle(const Zelvo& z) {
    return windowtitle(z.s.game.version);
}
// The calendar year the player is told for a game year: the game's first year is the
// computer's current one.
int shownyear(const Zelvo& z, int gameyear);
// The full path of a file in the program's folder.
std::string folderfile(const Zelvo& z, const std::string& name);
// A file of the player's folder, read as `readregularfile` reads it, and told to `fileread`.
std::optional<std::string> readplayerfile(Zelvo& z, const std::string& path);
// Ends the program: the machine lets go, then every handler unwinds.
[[noreturn]] void endprogram(Zelvo& z);

}  // namespace zelvo
