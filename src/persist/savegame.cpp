// Saved games: the whole game but the interface, the clock, the item lists and the
// warehouse stock, one value a line.
#include "persist/savegame.h"

#include <cctype>
#include <filesystem>

#include "core/diagnostics.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/zelvo.h"
#include "persist/savelist.h"
#include "persist/saverecords.h"
#include "persist/textfile.h"
#include "sound/sound.h"
#include "speech/money.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

// Writes the lines of a save into one text, each ended by CR LF.
class SaveWriter {
public:
    // A text is one line of the file, whatever it holds: a line break inside it becomes a
    // blank, so the file reads back as it was written.
    void text(const char*, const std::string& value) {
        if (value.find_first_of("\r\n") == std::string::npos) {
            text_ += value;
            text_ += "\r\n";
            return;
        }
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            if (c != '\r' && c != '\n') {
                text_ += c;
            } else if (!(c == '\n' && i > 0 && value[i - 1] == '\r')) {
                text_ += ' ';
            }
        }
        text_ += "\r\n";
    }
    void number(const char*, double value) {
        appendnumberline(text_, value);
        text_ += "\r\n";
    }
    void enter(const char*, int) {}
    void leave() {}
    std::string& result() { return text_; }

private:
    std::string text_;
};

}  // namespace

std::string savetext(const GameState& s) {
    SaveWriter out;
    // Some fifty lines of about a dozen bytes for every item.
    out.result().reserve(16384 + static_cast<std::size_t>(s.game.itemcount) * 512);
    walksave(s, out);
    return std::move(out.result());
}

bool plainname(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

namespace {

std::string lowercase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The files and folders the game itself keeps in its folder, in any mix of letter case.
bool gamesownname(const std::string& name) {
    const std::string low = lowercase(name);
    for (const char* own : {"progress.ini", "debuglog.txt", "language.txt", "sounds", "recordings",
                            "zelvo", "zelvo-headless", ".lastsave.swap"})
        if (low == own) return true;
    auto number = [](const std::string& digits, std::size_t most) {
        return !digits.empty() && digits.size() <= most && digits[0] != '0' &&
               digits.find_first_not_of("0123456789") == std::string::npos;
    };
    const std::string items = "items", txt = ".txt";
    if (low.size() > items.size() + txt.size() && low.rfind(items, 0) == 0 &&
        low.compare(low.size() - txt.size(), txt.size(), txt) == 0 &&
        number(low.substr(items.size(), low.size() - items.size() - txt.size()), 2))
        return true;
    const std::string statement = " statement.txt";
    for (int m = 1; m <= 12; ++m) {
        const std::string month = lowercase(saymonth(m)) + " ";
        if (low.size() > month.size() + statement.size() && low.rfind(month, 0) == 0 &&
            low.compare(low.size() - statement.size(), statement.size(), statement) == 0 &&
            number(low.substr(month.size(), low.size() - month.size() - statement.size()), 9))
            return true;
    }
    return false;
}

// Why a save cannot go under this name, or empty when it can: a save is a plain file of its
// own in the program's folder, and never one of the game's own files. Names Windows cannot
// hold are refused everywhere, so that every save can travel between the two systems and a
// game plays alike on both.
std::string refusal(const Zelvo& z, const std::string& name) {
    if (name == "." || name == "..") return "A save name cannot be only dots.";
    if (!plainname(name)) return "A save name cannot hold a slash.";
    switch (windowsname(name)) {
    case WindowsName::Sign:
        return "A save name cannot hold the signs less than, greater than, colon, quotation "
               "mark, bar, question mark or star.";
    case WindowsName::Ending:
        return "A save name cannot end in a dot or a blank.";
    case WindowsName::Device:
        return name + " is a name Windows keeps for a device.";
    case WindowsName::Fine:
        break;
    }
    if (name.size() > 255) return "That name is too long.";
    if (gamesownname(name)) return name + " is one of the game's own files.";
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(pathof(folderfile(z, name)), ec);
    if (status.type() == std::filesystem::file_type::directory) return name + " is a folder.";
    if (status.type() != std::filesystem::file_type::not_found &&
        status.type() != std::filesystem::file_type::regular && !ec)
        return name + " is not a plain file.";
    return "";
}

// "No space left on device." from the system's "No space left on device".
std::string sentence(const std::string& error) {
    std::string text = error.empty() ? "The file could not be written" : error;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
}

}  // namespace

void savegame(Zelvo& z, const std::string& typed) {
    const bool automatic = typed == "lastsave";
    // A name typed in another letter case than a save's replaces that save rather than
    // making a second game that loading could not tell apart from it. Never the automatic
    // save, though: the next one would write over the player's game.
    std::string tempm = automatic ? typed : savefilename(z.folder, typed);
    if (tempm == "lastsave" && !automatic) tempm = typed;
    std::string reason = refusal(z, tempm);
    if (reason.empty()) {
        // The player's own saves reach the disk before they count as saved. The automatic
        // save comes every six days, and every few seconds of play: it costs no wait for
        // the disk and makes no new file, and its swap file keeps the one before it.
        const std::string path = folderfile(z, tempm);
        const std::string error =
            automatic ? rewritefile(path, savetext(z.s)) : replacefile(path, savetext(z.s), true);
        if (!error.empty())
            reason = automatic ? "The automatic save could not be written: " + error + "."
                               : sentence(error);
    }
    if (reason.empty()) {
        if (automatic) {
            z.autosavefailed = false;
            return;
        }
        sayit(z, "Game saved.");
        makesound(z, "\\sounds\\game\\saved.wav", 0, 0, 0, -1);
        return;
    }
    debuglog(z, "error in savegame: " + tempm + ": " + reason);
    // The automatic save comes back every six days: why it failed is told once, and then
    // nothing more until it succeeds again.
    if (automatic && z.autosavefailed) return;
    if (automatic) z.autosavefailed = true;
    sayit(z, "Error saving game.  " + reason);
}

}  // namespace zelvo
