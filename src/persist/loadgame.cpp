// Loading a saved game. The file is read into a copy of the game first, so a file that is
// damaged or cut short leaves the running game exactly as it was.
#include "persist/loadgame.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "core/zelvo.h"
#include "market/warehouse.h"
#include "persist/savegame.h"
#include "persist/savelist.h"
#include "persist/textfile.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

struct LoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class SaveReader {
public:
    explicit SaveReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool atend() const { return at_ >= lines_.size(); }

    // The whole line as text.
    std::string text() { return next(); }

    // A number field (the leading number; an empty line reads as 0) taken to a whole
    // number, which must lie within what the game can hold there.
    int whole(int low, int high) {
        const std::string line = next();
        const double value = roundeven(numberfield(line));
        if (value < low || value > high) fail("out of range: " + line);
        return static_cast<int>(value);
    }

    // A real field: "," read as ".", then as much of the line as forms a number; a line with
    // no number reads as 0. Values no game reaches are damage.
    double real(double limit = kMoneyLimit) { return real(-limit, limit); }
    double real(double low, double high) {
        std::string line = next();
        for (char& c : line)
            if (c == ',') c = '.';
        const double value = numberfield(line);
        if (value < low || value > high) fail("out of range: " + line);
        return value;
    }

    // A flag of a field a damaged file may hold anything in; such a value reads as 0.
    int flag() { return numberfield(next()) != 0 ? 1 : 0; }

    [[noreturn]] void fail(const std::string& why) const {
        throw LoadError("line " + std::to_string(at_) + ": " + why);
    }

private:
    std::string next() {
        if (atend()) throw LoadError("the file ends at line " + std::to_string(at_));
        return lines_[at_++];
    }

    std::vector<std::string> lines_;
    std::size_t at_ = 0;
};

void readstore(SaveReader& in, GameState& s, int p) {
    Store& store = s.store[p];
    std::string owner = in.text();
    store.active = 1;
    if (p != 1 && !owner.empty() && owner[0] == '*') {
        store.active = 0;
        owner.erase(0, 1);
    }
    store.ownername = owner;
    store.storename = in.text();
    store.money = in.real();
    store.employees = in.whole(0, kLabourPool);
    store.wantedemployees = in.whole(0, 100000);
    store.wage = in.real(0, kWageLimit);
    store.aislecount = in.whole(0, kMaxAisles);
    for (int a = 1; a <= store.aislecount; ++a) {
        Aisle& aisle = s.aisle[p][a];
        aisle.item = in.whole(-100000, kMaxItems);
        aisle.stock = in.whole(-1000000, 1000000);
        aisle.capacity = in.whole(0, 1000000);
        aisle.price = in.real();
        aisle.sold = in.whole(-1000000000, 1000000000);
        aisle.saledays = in.whole(-1000000000, 1000000000);
        aisle.cost = in.real();
    }
    store.unionwage = in.real(0, kWageLimit);
    store.unionworkers = in.whole(0, 100000);
    store.features = in.text();
    store.customers = in.whole(0, 1000000);
    store.monthlybills = in.real();
    store.billsmonthslate = in.whole(0, 1000);
    for (int d = 1; d <= kCrowdDays; ++d) store.crowdhistory[d] = in.flag();
    store.creditrating = in.whole(-100000, 100000);
}

void readstatistics(SaveReader& in, GameState& s, int p, bool medical) {
    Store& store = s.store[p];
    for (double* value :
         {&store.monthstartmoney, &store.researchspent, &store.billspaid, &store.wagespaid,
          &store.loanpaid, &store.loaninterest, &store.extrasspent})
        *value = in.real();
    for (int i = 1; i <= s.game.itemcount; ++i) {
        StoreItem& f = s.storeitem[p][i];
        // A month's counts, small enough that their sum over every item stays a count.
        f.bought = in.whole(-1000000, 1000000);
        f.boughtcost = in.real();
        f.sold = in.whole(-1000000, 1000000);
        f.profit = in.real();
        f.stolen = in.whole(-1000000, 1000000);
        f.stolenloss = in.real();
    }
    if (medical) store.medicalspent = in.real();
}

// Reads the whole file into `s`; throws LoadError on the first fault.
void readsave(SaveReader& in, GameState& s) {
    // The version is a number field: blanks around it do not count.
    std::string version = in.text();
    version.erase(0, version.find_first_not_of(" \t"));
    // The two versions before this one had no medical costs in their statistics, and a
    // file of theirs may end before the statistics.
    const bool old = version.rfind("0.9", 0) == 0 || version.rfind("0.8", 0) == 0;
    s.game.difficulty = in.whole(1, 3);
    s.game.playercount = in.whole(5, 5);
    for (int p = 1; p <= s.game.playercount; ++p) readstore(in, s, p);
    s.calendar.month = in.whole(1, 12);
    s.calendar.day = in.whole(1, 30);
    s.calendar.year = in.whole(1, 1000);
    s.calendar.paycounter = in.whole(0, 7);
    s.game.loancount = in.whole(0, kMaxLoans);
    for (int i = 1; i <= s.game.loancount; ++i) {
        Loan& loan = s.loan[i];
        loan.lender = in.text();
        loan.principal = in.real();
        loan.interest = in.real();
        loan.borrower = in.whole(1, s.game.playercount);
        loan.apr = in.real(1000);
        loan.payment = in.real();
        loan.dueday = in.whole(0, 30);
        loan.monthslate = in.whole(0, 1000);
        loan.totalpaid = in.real();
    }
    // The warehouse draws among the items, and the game is set up for 30 or more.
    s.game.itemcount = in.whole(30, kMaxItems);
    for (int i = 1; i <= s.game.itemcount; ++i) {
        Item& item = s.item[i];
        item.name = in.text();
        item.description = in.text();
        item.baseprice = in.real(0, kPriceLimit);
        // A wheel's size and centre stay within a few times the base price.
        for (int w = 0; w < kWheels; ++w) {
            item.wheelsize[w] = in.whole(-10000000, 10000000);
            item.wheelcenter[w] = in.real(10 * kPriceLimit);
            item.wheelangle[w] = in.whole(-100000, 100000);
        }
        item.pricefactor = in.real(kPriceLimit);
        item.carried = in.whole(0, 1);
    }
    // The warehouse always carries 28 items: every purchase that takes an item off its
    // shelves brings another in, and its stock moves only between the items it carries.
    int carried = 0;
    for (int i = 1; i <= s.game.itemcount; ++i) carried += s.item[i].carried;
    if (carried != kCarriedItems)
        in.fail("the warehouse carries " + std::to_string(carried) + " items, not " +
                std::to_string(kCarriedItems));
    for (int p = 1; p <= s.game.playercount; ++p) {
        for (int a = 1; a <= s.store[p].aislecount; ++a)
            if (s.aisle[p][a].item > s.game.itemcount) in.fail("an aisle holds an unknown item");
    }
    if (old && in.atend()) return;
    for (int p = 1; p <= s.game.playercount; ++p) readstatistics(in, s, p, !old);
}

}  // namespace

void loadgame(Zelvo& z, const std::string& typed) {
    // A name typed in another letter case than the file's still finds it.
    const std::string tempm = savefilename(z.folder, typed);
    std::error_code ec;
    const std::string path = folderfile(z, tempm);
    if (!plainname(tempm) || !std::filesystem::is_regular_file(pathof(path), ec)) {
        sayit(z, "File not found.");
        return;
    }
    auto lines = readlines(z, path);
    // Fields the file does not hold (the interface, the clock, the item lists, the
    // warehouse stock) keep their values in the copy.
    auto loaded = std::make_unique<GameState>(z.s);
    try {
        if (!lines) throw LoadError("the file cannot be read");
        SaveReader in(std::move(*lines));
        readsave(in, *loaded);
    } catch (const LoadError& e) {
        debuglog(z, "error in loadgame: " + tempm + ": " + e.what());
        sayit(z, "Error loading game.");
        return;
    }
    z.s = *loaded;
    sayit(z, "Game loaded.");
    z.s.ui.menu = menu::Store;
    z.s.ui.menuposition = 0;
}

}  // namespace zelvo
