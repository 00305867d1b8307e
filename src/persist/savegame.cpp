// Saved games: the whole game but the interface, the clock, the item lists and the
// warehouse stock, one value a line.
#include "persist/savegame.h"

#include <cctype>
#include <filesystem>

#include "core/diagnostics.h"
#include "core/zelvo.h"
#include "persist/textfile.h"
#include "sound/sound.h"
#include "speech/money.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

class SaveWriter {
public:
    // A text is one line of the file, whatever it holds: a line break inside it becomes a
    // blank, so the file reads back as it was written.
    void text(const std::string& value) {
        std::string line;
        line.reserve(value.size());
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            if (c != '\r' && c != '\n') {
                line += c;
            } else if (!(c == '\n' && i > 0 && value[i - 1] == '\r')) {
                line += ' ';
            }
        }
        lines_.push_back(std::move(line));
    }
    void number(double value) { lines_.push_back(numberline(value)); }
    std::vector<std::string>& lines() { return lines_; }

private:
    std::vector<std::string> lines_;
};

void writestore(SaveWriter& out, const GameState& s, int p) {
    const Store& store = s.store[p];
    out.text((store.active == 0 ? "*" : "") + store.ownername);
    out.text(store.storename);
    out.number(store.money);
    out.number(store.employees);
    out.number(store.wantedemployees);
    out.number(store.wage);
    out.number(store.aislecount);
    for (int a = 1; a <= store.aislecount; ++a) {
        const Aisle& aisle = s.aisle[p][a];
        out.number(aisle.item);
        out.number(aisle.stock);
        out.number(aisle.capacity);
        out.number(aisle.price);
        out.number(aisle.sold);
        out.number(aisle.saledays);
        out.number(aisle.cost);
    }
    out.number(store.unionwage);
    out.number(store.unionworkers);
    out.text(store.features);
    out.number(store.customers);
    out.number(store.monthlybills);
    out.number(store.billsmonthslate);
    for (int d = 1; d <= kCrowdDays; ++d) out.number(store.crowdhistory[d]);
    out.number(store.creditrating);
}

void writestatistics(SaveWriter& out, const GameState& s, int p) {
    const Store& store = s.store[p];
    for (double value : {store.monthstartmoney, store.researchspent, store.billspaid,
                         store.wagespaid, store.loanpaid, store.loaninterest, store.extrasspent})
        out.number(value);
    for (int i = 1; i <= s.game.itemcount; ++i) {
        const StoreItem& f = s.storeitem[p][i];
        out.number(f.bought);
        out.number(f.boughtcost);
        out.number(f.sold);
        out.number(f.profit);
        out.number(f.stolen);
        out.number(f.stolenloss);
    }
    out.number(store.medicalspent);
}

std::vector<std::string> savelines(const GameState& s) {
    SaveWriter out;
    out.text(s.game.version);
    out.number(s.game.difficulty);
    out.number(s.game.playercount);
    for (int p = 1; p <= s.game.playercount; ++p) writestore(out, s, p);
    out.number(s.calendar.month);
    out.number(s.calendar.day);
    out.number(s.calendar.year);
    out.number(s.calendar.paycounter);
    out.number(s.game.loancount);
    for (int i = 1; i <= s.game.loancount; ++i) {
        const Loan& loan = s.loan[i];
        out.text(loan.lender);
        out.number(loan.principal);
        out.number(loan.interest);
        out.number(loan.borrower);
        out.number(loan.apr);
        out.number(loan.payment);
        out.number(loan.dueday);
        out.number(loan.monthslate);
        out.number(loan.totalpaid);
    }
    out.number(s.game.itemcount);
    for (int i = 1; i <= s.game.itemcount; ++i) {
        const Item& item = s.item[i];
        out.text(item.name);
        out.text(item.description);
        out.number(item.baseprice);
        for (int w = 0; w < kWheels; ++w) {
            out.number(item.wheelsize[w]);
            out.number(item.wheelcenter[w]);
            out.number(item.wheelangle[w]);
        }
        out.number(item.pricefactor);
        out.number(item.carried);
    }
    for (int p = 1; p <= s.game.playercount; ++p) writestatistics(out, s, p);
    return std::move(out.lines());
}

}  // namespace

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
                            "zelvo", "zelvo-headless"})
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
// own in the program's folder, and never one of the game's own files.
std::string refusal(const Zelvo& z, const std::string& name) {
    if (name == "." || name == "..") return "A save name cannot be only dots.";
    if (!plainname(name)) return "A save name cannot hold a slash.";
    if (name.size() > 255) return "That name is too long.";
    if (gamesownname(name)) return name + " is one of the game's own files.";
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(folderfile(z, name), ec);
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

void savegame(Zelvo& z, const std::string& tempm) {
    const bool automatic = tempm == "lastsave";
    std::string reason = refusal(z, tempm);
    if (reason.empty()) {
        const std::string error = writelines(folderfile(z, tempm), savelines(z.s));
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
