// The game's sound folders: the spoken cues, the named sounds and the fifty aisle tones.
#include "soundset.h"

#include <stdexcept>
#include <system_error>

#include "speech.h"
#include "synth.h"
#include "wav.h"

namespace zelvo::soundgen {

namespace {

// Each speech output's cue says the output's name; the beeps count its place in the list.
struct Cue {
    const char* file;
    const char* words;
    int beeps;
};

constexpr Cue kCues[] = {
    {"SAPI", "voice", 1},
    {"NVDA", "window title", 2},
    {"WE", "title and braille", 3},
    {"JAWS", "screen reader", 4},
};

const char* const kMenu[] = {"arrows", "enter"};

const char* const kGame[] = {"pause",  "unpause", "tick",  "tock",      "previous",
                             "error",  "theft",   "coin1", "coin2",     "coins1",
                             "coins2", "alarm",   "saved", "statement", "award"};

void makefolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder))
        throw std::runtime_error("cannot make the folder " + folder.string() + ": " +
                                 (ec ? ec.message() : "a file of that name is in the way"));
}

}  // namespace

std::vector<std::string> soundfiles() {
    std::vector<std::string> files;
    for (const char* name : kMenu) files.push_back(std::string("sounds/menu/") + name + ".wav");
    for (const Cue& cue : kCues) files.push_back(std::string("sounds/menu/") + cue.file + ".wav");
    for (const char* name : kGame) files.push_back(std::string("sounds/game/") + name + ".wav");
    for (int n = 1; n <= 50; ++n) files.push_back("sounds/game/" + std::to_string(n) + ".wav");
    return files;
}

void writesounds(const std::filesystem::path& folder, std::ostream& log) {
    const auto menu = folder / "sounds" / "menu";
    const auto game = folder / "sounds" / "game";
    makefolder(menu);
    makefolder(game);

    for (const char* name : kMenu) writewav(menu / (std::string(name) + ".wav"), sound(name));

    Voice voice;
    if (!voice.ready()) log << voice.problem() << "; the speech cues will be beeps\n";
    for (const Cue& cue : kCues) {
        auto spoken = voice.say(cue.words);
        if (voice.ready() && !spoken)
            log << "espeak-ng gave no sound for \"" << cue.words << "\"; " << cue.file
                << ".wav will be beeps\n";
        writewav(menu / (std::string(cue.file) + ".wav"), spoken ? *spoken : cuebeeps(cue.beeps));
    }

    for (const char* name : kGame) writewav(game / (std::string(name) + ".wav"), sound(name));
    for (int n = 1; n <= 50; ++n) writewav(game / (std::to_string(n) + ".wav"), aisletone(n));
}

}  // namespace zelvo::soundgen
