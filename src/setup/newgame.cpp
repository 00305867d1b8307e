// New-game setup: the stores, the catalogue, the warehouse and the statements, with the
// random draws in a fixed order so that one seed always gives the same game.
#include "setup/newgame.h"

#include <filesystem>
#include <string>

#include "content/itemfiles.h"
#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "finance/loans.h"
#include "market/warehouse.h"
#include "market/wheels.h"
#include "setup/defaultitems.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

constexpr int kMinimumItems = 30;

// One column per difficulty: Easy, Normal, Hard.
struct DifficultyRow {
    double humanmoney;
    double computermoney;
    int aisles[4];      // computer slots 2 to 5
    int capacities[4];  // computer slots 2 to 5
    double loan;
    double payment;
    int features;  // features a computer store gets beyond Int(r x 2)
};

constexpr DifficultyRow kDifficulty[] = {
    {50000, 10000, {4, 4, 4, 4}, {20, 20, 20, 20}, 100000, 669, 0},
    {25000, 25000, {5, 6, 5, 6}, {40, 30, 40, 30}, 50000, 300, 1},
    {10000, 50000, {6, 7, 6, 7}, {60, 50, 60, 50}, 5000, 50, 2},
};

void addloan(GameState& s, int borrower, double principal, double payment) {
    Loan& loan = s.loan[++s.game.loancount];
    loan = Loan{};
    loan.lender = "Starter";
    loan.principal = principal;
    loan.borrower = borrower;
    loan.apr = 2.5;
    loan.payment = payment;
    loan.dueday = 1;
}

void setupstores(Zelvo& z, const DifficultyRow& row) {
    GameState& s = z.s;
    const bool bigger = s.game.difficulty == 2 || s.game.difficulty == 3;
    s.game.playercount = 5;
    s.game.loancount = 0;
    for (int i = 1; i <= 5; ++i) {
        Store& store = s.store[i];
        const bool computer = i > 1;
        store.money = computer ? row.computermoney : row.humanmoney;
        s.store[1].money = row.humanmoney;
        store.active = 1;
        store.employees = 6;
        store.wantedemployees = 6;
        store.wage = 7.25;
        store.aislecount = 4;
        if (computer && bigger) store.aislecount = row.aisles[i - 2];
        for (int a = 1; a <= store.aislecount; ++a) {
            Aisle& aisle = s.aisle[i][a];
            aisle.item = 0;
            aisle.stock = 0;
            aisle.capacity = 20;
            aisle.price = 0;
            // The last game's sales counters and purchase cost are not this game's: a new
            // game must not report what an aisle of the old one sold.
            aisle.sold = 0;
            aisle.saledays = 0;
            aisle.cost = 0;
            // Every aisle any store has gets the computer stores' capacity.
            if (bigger)
                for (int slot = 2; slot <= 5; ++slot)
                    s.aisle[slot][a].capacity = row.capacities[slot - 2];
        }
        store.monthlybills = 800;
        store.billsmonthslate = 0;
        // Nor the old game's customers and crowded days (the check-out report reads them).
        store.crowdhistory.fill(0);
        store.customers = 0;
        store.creditrating = 720;
        if (!computer) addloan(s, i, 100000, 669);
        if (computer) addloan(s, i, row.loan, row.payment);
        store.unionwage = 0;
        store.unionworkers = 0;
        store.features.clear();
        if (computer) {
            const int count = static_cast<int>(Int(z.rng.draw() * 2)) + row.features;
            for (int n = 0; n < count; ++n)
                store.features +=
                    startingfeatures()[static_cast<std::size_t>(Int(z.rng.draw() * 13))];
        }
    }
    sortloans(z);
    s.game.humanslot = 1;
    s.calendar.month = 1;
    s.calendar.day = 1;
    s.calendar.year = 1;
    s.calendar.paycounter = 1;
}

int findlist(const GameState& s, const std::string& name) {
    for (int k = 1; k <= s.listcount; ++k)
        if (s.itemlist[k].name == name) return k;
    return 0;
}

void addfileitems(Zelvo& z) {
    GameState& s = z.s;
    for (int n = 1; n <= kMaxItemLists; ++n) {
        const std::string name = "items" + std::to_string(n) + ".txt";
        const std::string path = folderfile(z, name);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(pathof(path), ec)) continue;
        const int known = findlist(s, name);
        if (known != 0 && s.itemlist[known].enabled == 0) continue;
        auto items = readitemsfile(z, path);
        if (!items) {
            debuglog(z, "error in startusout: cannot read " + name);
            continue;
        }
        CatalogueAdder adder(z);
        for (const auto& item : *items) adder.add(item.name, item.price, item.description);
        if (known == 0 && s.listcount < kMaxItemLists) {
            ItemList& list = s.itemlist[++s.listcount];
            list.name = name;
            list.size = static_cast<int>(items->size());
            list.enabled = 1;
        }
    }
}

void buildcatalogue(Zelvo& z) {
    GameState& s = z.s;
    for (;;) {
        s.game.itemcount = 0;
        for (const DefaultItem& row : defaultitems()) {
            Item& item = s.item[++s.game.itemcount];
            item.name = row.name;
            item.baseprice = row.baseprice;
            item.description = row.description;
        }
        if (s.listcount == 0) {
            s.listcount = 1;
            s.itemlist[1] = {"Default", s.game.itemcount, 1};
        }
        for (int k = 1; k <= s.listcount; ++k)
            if (s.itemlist[k].name == "Default" && s.itemlist[k].enabled == 0) s.game.itemcount = 0;
        addfileitems(z);
        for (int i = 1; i <= s.game.itemcount; ++i) {
            initwheels(z, i);
            s.item[i].warehousestock = 90;
            s.item[i].pricefactor = 1;
            s.item[i].carried = 0;
        }
        if (s.game.itemcount >= kMinimumItems) return;
        sayit(z,
              "The default item list has been enabled because the game requires at least 30 "
              "items to play.");
        hold(z, 0.5);
        for (int k = 1; k <= s.listcount; ++k)
            if (s.itemlist[k].name == "Default") s.itemlist[k].enabled = 1;
    }
}

}  // namespace

void startusout(Zelvo& z) {
    int difficulty = z.s.game.difficulty;
    if (difficulty < 1 || difficulty > 3) difficulty = 1;
    setupstores(z, kDifficulty[difficulty - 1]);
    buildcatalogue(z);
    choosecarrieditems(z);
    startmonthfigures(z.s);
}

}  // namespace zelvo
