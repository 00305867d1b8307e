// Finding the saved games in the player's folder without loading them.
#include "persist/savelist.h"

#include <algorithm>
#include <tuple>

#include "core/files.h"
#include "core/numbers.h"
#include "core/zelvo.h"
#include "persist/savegame.h"
#include "persist/textfile.h"
#include "speech/money.h"
#include "state/state.h"

namespace zelvo {

namespace {

// Far more than the lines up to the date take in any save, and no more of a large file that
// merely begins like one is read.
constexpr std::size_t kHeadBytes = 256 * 1024;

// The lines of a save before the first store: version, difficulty, player count.
constexpr std::size_t kOpening = 3;
// A store's lines besides its aisles, and the lines of each aisle; its aisle count is the
// seventh of them.
constexpr std::size_t kStoreLines = 44, kAisleLines = 7, kAisleCountAt = 6;

// Whether the file begins with a version line the loader reads: this version, or the two
// before it as the loader tells them apart. Only its first bytes are read, as the folder
// holds statements, logs and whatever else a player keeps there.
bool beginsasave(const std::string& path) {
    const auto probe = readregularfile(path, 32);
    if (!probe) return false;
    const std::size_t end = probe->find_first_of("\r\n");
    if (end == std::string::npos) return false;
    std::string line = probe->substr(0, end);
    line.erase(0, line.find_first_not_of(" \t"));
    line.erase(line.find_last_not_of(" \t") + 1);
    return line == "1.1" || line.rfind("0.9", 0) == 0 || line.rfind("0.8", 0) == 0;
}

// A whole number field within [low, high], as the loader reads it.
bool wholefield(const std::string& line, int low, int high, int& value) {
    const double number = roundeven(numberfield(line));
    if (number < low || number > high) return false;
    value = static_cast<int>(number);
    return true;
}

// The calendar of a save, found by counting lines past the stores; false when the head of
// the file does not reach it or a count on the way is not one a save holds.
bool readdate(const std::vector<std::string>& lines, SavedGame& save) {
    int players = 0;
    if (lines.size() < kOpening || !wholefield(lines[2], 5, 5, players)) return false;
    std::size_t at = kOpening;
    for (int p = 1; p <= players; ++p) {
        int aisles = 0;
        if (at + kAisleCountAt >= lines.size() ||
            !wholefield(lines[at + kAisleCountAt], 0, kMaxAisles, aisles))
            return false;
        at += kStoreLines + kAisleLines * static_cast<std::size_t>(aisles);
    }
    int month = 0, day = 0, year = 0;
    if (at + 2 >= lines.size() || !wholefield(lines[at], 1, 12, month) ||
        !wholefield(lines[at + 1], 1, 30, day) || !wholefield(lines[at + 2], 1, 1000, year))
        return false;
    save.month = month;
    save.day = day;
    save.year = year;
    return true;
}

}  // namespace

std::vector<SavedGame> savedgames(const std::string& folder) {
    auto files = listfolder(folder);
    std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        return std::tie(b.modified.tv_sec, b.modified.tv_nsec, a.name) <
               std::tie(a.modified.tv_sec, a.modified.tv_nsec, b.name);
    });
    std::vector<SavedGame> saves;
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (const FolderFile& file : files) {
        if (!beginsasave(base + file.name)) continue;
        const auto head = readregularfile(base + file.name, kHeadBytes);
        if (!head) continue;
        auto lines = splitlines(*head);
        if (head->size() == kHeadBytes && !lines.empty()) lines.pop_back();  // may be cut short
        SavedGame save{file.name};
        readdate(lines, save);
        saves.push_back(std::move(save));
    }
    return saves;
}

std::string savefilename(const std::string& folder, const std::string& typed) {
    if (!plainname(typed)) return typed;
    // Whatever stands under the exact name (a folder too) is what the player named.
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    if (namedexactly(base + typed)) return typed;
    for (const SavedGame& save : savedgames(folder))
        if (sameletters(save.name, typed)) return save.name;
    return typed;
}

InputChoices savechoices(Zelvo& z) {
    InputChoices choices;
    choices.none = "No saved games.";
    for (const SavedGame& save : savedgames(z.folder)) {
        std::string spoken = save.name;
        if (save.day != 0)
            spoken += ", " + spokendate(save.month, save.day, shownyear(z, save.year));
        choices.list.push_back({save.name, spoken});
    }
    return choices;
}

}  // namespace zelvo
