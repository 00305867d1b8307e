// progress.ini: speech output and rate, names, difficulty, item lists, opponents.
#include "persist/progress.h"

#include <algorithm>

#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/zelvo.h"
#include "persist/textfile.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

const char* const kFile = "progress.ini";

// The file is written by the game, but a player may edit it: whole numbers out of range
// fall back to the program's defaults rather than reaching the game.
int wholefield(const std::string& line, int low, int high, int fallback) {
    double value = Fix(numberfield(line));
    if (value < low || value > high) return fallback;
    return static_cast<int>(value);
}

}  // namespace

void saveprogress(Zelvo& z) {
    const GameState& s = z.s;
    std::vector<std::string> lines;
    lines.push_back(numberline(s.ui.speechoutput));
    lines.push_back(numberline(s.ui.sapirate));
    lines.push_back(s.store[s.game.humanslot].ownername);
    lines.push_back(s.store[s.game.humanslot].storename);
    lines.push_back(numberline(s.game.difficulty));
    lines.push_back(numberline(s.listcount));
    for (int i = 1; i <= s.listcount; ++i) {
        lines.push_back(s.itemlist[i].name);
        lines.push_back(numberline(s.itemlist[i].enabled));
    }
    for (int slot = 2; slot <= 5; ++slot) {
        lines.push_back(s.store[slot].ownername);
        lines.push_back(s.store[slot].storename);
    }
    // Added after the older layout's last line, so that older files still read the same.
    lines.push_back(numberline(s.ui.recordsessions));
    std::string error = writelines(folderfile(z, kFile), lines);
    if (!error.empty()) {
        debuglog(z, "error in saveprogress: " + error);
        sayit(z, "Your settings could not be saved to progress.ini: " + error + ".");
    }
}

void readprogress(Zelvo& z) {
    auto file = readlines(z, folderfile(z, kFile));
    if (!file) return;
    const std::vector<std::string>& lines = *file;
    std::size_t at = 0;
    auto has = [&](std::size_t count) { return at + count <= lines.size(); };
    GameState& s = z.s;

    if (!has(2)) return;
    s.ui.speechoutput = wholefield(lines[at++], 0, 3, 0);
    s.ui.sapirate = wholefield(lines[at++], 1, 10, 2);
    applyrate(z);

    // Each line of a group is read when it is there: a file that ends early keeps what it has.
    Store& human = s.store[s.game.humanslot];
    if (!has(1)) return;
    if (!lines[at].empty()) human.ownername = lines[at];
    ++at;
    if (!has(1)) return;
    if (!lines[at].empty()) human.storename = lines[at];
    ++at;
    if (!has(1)) return;
    s.game.difficulty = wholefield(lines[at++], 1, 3, 1);

    if (!has(1)) return;
    const int count = wholefield(lines[at++], 0, kMaxItemLists, 0);
    s.listcount = 0;
    for (int i = 1; i <= count && has(2); ++i) {
        s.itemlist[i].name = textfield(lines[at++]);
        s.itemlist[i].enabled = wholefield(lines[at++], 0, 1, 0);
        s.itemlist[i].size = 0;
        s.listcount = i;
    }

    for (int slot = 2; slot <= 5; ++slot) {
        if (!has(2)) return;
        s.store[slot].ownername = lines[at++];
        s.store[slot].storename = lines[at++];
    }

    if (!has(1)) return;
    s.ui.recordsessions = wholefield(lines[at++], 0, 1, 0);
}

}  // namespace zelvo
