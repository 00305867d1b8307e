// Saved games: the whole game but the interface, the clock, the item lists and the
// warehouse stock, one value a line.
#include "persist/savegame.h"

#include "core/diagnostics.h"
#include "core/zelvo.h"
#include "persist/textfile.h"
#include "sound/sound.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

class SaveWriter {
public:
    void text(const std::string& value) { lines_.push_back(value); }
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

void savegame(Zelvo& z, const std::string& tempm) {
    if (!plainname(tempm)) {
        debuglog(z, "error in savegame: not a plain file name: " + tempm);
        sayit(z, "Error saving game.  A save name cannot hold a slash.");
        return;
    }
    const std::string error = writelines(folderfile(z, tempm), savelines(z.s));
    if (!error.empty()) {
        debuglog(z, "error in savegame: " + tempm + ": " + error);
        sayit(z, "Error saving game.");
        return;
    }
    if (tempm == "lastsave") return;
    sayit(z, "Game saved.");
    makesound(z, "\\sounds\\game\\saved.wav", 0, 0, 0, -1);
}

}  // namespace zelvo
