// The computer stores' turn: stocking, pricing, building, staff, wages, loans and features.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "ai/profile.h"
#include "ai/runai.h"
#include "ai/steps.h"
#include "core/numbers.h"
#include "features/catalogue.h"
#include "finance/banks.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

constexpr int kItems = 5;

// A started game whose catalogue is five plain items: base price 10 (a normal purchase price
// of 8), still wheels, 50 units each in the warehouse, and the computer stores at one empty
// aisle each, in debug mode so that slot 2 writes its log.
struct Rivals : StartedGame {
    Zelvo& g = z;
    Rivals() {
        g.s.game.itemcount = kItems;
        for (int c = 1; c <= kItems; ++c) value(c, 18, 50);
        for (int p = 2; p <= 5; ++p) {
            g.s.store[p].aislecount = 1;
            g.s.aisle[p][1] = Aisle{};
            g.s.store[p].money = 5000;
        }
        g.s.game.debugmode = 1;
        take();
    }
    // Item c with a research estimate of `estimate` (a wiggle of estimate - 8).
    void value(int c, double estimate, int stock) {
        Item& item = g.s.item[c];
        item = Item{};
        item.name = "Item " + std::to_string(c);
        item.baseprice = 10;
        item.carried = 1;
        item.warehousestock = stock;
        item.wheelcenter.fill(estimate);
    }
    // The draw that makes a candidate draw come out as item c.
    static double pick(int c) { return (c - 0.5) / kItems; }
    std::vector<std::string> logs() {
        std::vector<std::string> lines;
        for (const std::string& line : take())
            if (line.rfind("log: ", 0) == 0) lines.push_back(line.substr(5));
        return lines;
    }
    void script(std::deque<double> draws) { g.rng.script(std::move(draws)); }
};

TEST(RivalStocking, NoResearchWhenTheCashDoesNotCoverIt) {
    Rivals game;
    game.g.s.store[2].money = 300;
    game.script({0.99});  // t = 6, and 6 x 50 is all the cash
    restock(game.g, 2);
    EXPECT_EQ(game.g.rng.scriptleft(), 0u);
    EXPECT_EQ(game.g.s.aisle[2][1].item, 0);
    EXPECT_DOUBLE_EQ(game.g.s.store[2].money, 300);
    EXPECT_EQ(game.logs(), std::vector<std::string>{"Researching 0 times..."});
}

TEST(RivalStocking, ChoosesTheFirstBestStockedCandidateAndPricesIt) {
    Rivals game;
    Zelvo& z = game.g;
    game.value(1, 30, 9);   // the best by far, but the warehouse has only 9: free, never chosen
    game.value(2, 18, 50);  // wiggle 10
    game.value(3, 18, 50);  // the same wiggle, drawn later
    game.value(4, 12, 50);  // wiggle 4
    game.value(5, 18, 50);  // on the shelves of aisle 2
    z.s.store[2].aislecount = 2;
    z.s.aisle[2][2] = Aisle{5, 3, 20, 20, 0, 0, 8};
    std::deque<double> draws{0.0,  // t = 4
                             Rivals::pick(1),
                             Rivals::pick(5),
                             Rivals::pick(2),
                             Rivals::pick(3),
                             Rivals::pick(4)};
    // Then the spread of the 20 units bought: every unit to item 4.
    for (int unit = 0; unit < 20; ++unit) draws.push_back(Rivals::pick(4));
    game.script(draws);
    restock(z, 2);
    EXPECT_EQ(z.rng.scriptleft(), 0u);
    const Aisle& aisle = z.s.aisle[2][1];
    ASSERT_EQ(aisle.item, 2);
    EXPECT_EQ(aisle.stock, 20);
    EXPECT_DOUBLE_EQ(aisle.cost, 8 * 0.98);
    EXPECT_DOUBLE_EQ(aisle.price, 12.84);  // 7.84 + 10 x 0.5
    EXPECT_DOUBLE_EQ(z.s.store[2].money, 5000 - 3 * 50 - 20 * 7.84);
    EXPECT_EQ(z.s.item[2].warehousestock, 30);
    EXPECT_DOUBLE_EQ(z.s.item[2].pricefactor, 1.2);
    const std::vector<std::string> logs = game.logs();
    ASSERT_EQ(logs.size(), 3u);
    EXPECT_EQ(logs[0], "Researching 4 times...");
    EXPECT_EQ(logs[1].rfind("The best one is Item 2, cost is $7.84, demand is $", 0), 0u);
    EXPECT_NE(logs[1].find(", has wiggle of $10"), std::string::npos);
    EXPECT_EQ(logs[2], "Buying 20 of the item for $7.84 each.");
}

TEST(RivalStocking, BuysLessInStepsOfTenUntilItCannotAffordTen) {
    Rivals game;
    Zelvo& z = game.g;
    z.s.aisle[2][1].capacity = 30;
    game.value(1, 18, 25);
    z.s.store[2].money = 300;  // 100 left after four reports
    game.script({0.0, Rivals::pick(1), Rivals::pick(1), Rivals::pick(1), Rivals::pick(1)});
    restock(z, 2);
    EXPECT_EQ(z.rng.scriptleft(), 0u);
    EXPECT_EQ(z.s.aisle[2][1].item, 0);
    EXPECT_DOUBLE_EQ(z.s.store[2].money, 100);
    std::vector<std::string> costs;
    for (const std::string& line : game.logs()) {
        const auto at = line.find("cost is $");
        if (at != std::string::npos)
            costs.push_back(line.substr(at + 9, line.find(',', at) - at - 9));
    }
    EXPECT_EQ(costs, (std::vector<std::string>{"7.68", "7.84", "8"}));
}

TEST(RivalStocking, PriceCutsFollowTheSlotsDaysAndCost) {
    struct Case {
        int slot;
        double price, cost;
        int sold, saledays;
        std::deque<double> draws;
        double newprice;
        int newsaledays;
    } cases[] = {
        {3, 10, 5, 0, 1, {}, 9, 0},   // slot 3 reconsiders every day
        {4, 10, 5, 0, 2, {}, 10, 2},  // slot 4 waits three days
        {2, 10, 9, 0, 2, {}, 10, 2},  // a cut landing on the cost: no draw, no cut
        {2, 1120, 1007.9999999999999, 0, 2, {}, 1120, 2},  // ... on a cost held just below it
        {2, 1120, 1008.0000000000001, 0, 2, {}, 1120, 2},  // ... or just above it
        {2, 1120, 1008.001, 0, 2, {0.5}, 1120, 2},         // a tenth of a cent is below cost
        {2, 10, 9.5, 0, 2, {0.19}, 9, 0},                  // below cost, drawn 20 of 20
        {2, 10, 9.5, 0, 2, {0.20}, 10, 2},                 // below cost, drawn 21
        {2, 10, 5, 3, 2, {}, 10, 0},                       // selling: a new period starts
    };
    for (const Case& c : cases) {
        Rivals game;
        Zelvo& z = game.g;
        z.s.aisle[c.slot][1] = Aisle{1, 5, 20, c.price, c.sold, c.saledays, c.cost};
        game.script(c.draws);
        cutprices(z, c.slot);
        EXPECT_EQ(z.rng.scriptleft(), 0u) << c.slot << " " << c.cost;
        EXPECT_DOUBLE_EQ(z.s.aisle[c.slot][1].price, c.newprice) << c.slot << " " << c.cost;
        EXPECT_EQ(z.s.aisle[c.slot][1].saledays, c.newsaledays) << c.slot << " " << c.cost;
    }
}

TEST(RivalGrowth, UpgradesEmptyAislesAndBuildsNoMoreThanTenAisles) {
    Rivals game;
    Zelvo& z = game.g;
    const double bills = z.s.store[2].monthlybills;
    game.script({0.0});
    upgradeaisles(z, 2);
    EXPECT_EQ(z.s.aisle[2][1].item, -14);
    EXPECT_EQ(z.s.aisle[2][1].capacity, 30);
    EXPECT_DOUBLE_EQ(z.s.store[2].monthlybills, bills + 10);
    EXPECT_DOUBLE_EQ(z.s.store[2].money, 5000);

    z.s.store[2].aislecount = 9;
    z.s.store[2].money = 100000;
    game.script({0.0, 0.5});  // build, n = 2
    buildaisles(z, 2);
    EXPECT_EQ(z.rng.scriptleft(), 0u);
    EXPECT_EQ(z.s.store[2].aislecount, 9);
    EXPECT_DOUBLE_EQ(z.s.store[2].money, 100000);
    game.script({0.0, 0.0});  // build, n = 1
    buildaisles(z, 2);
    EXPECT_EQ(z.s.store[2].aislecount, 10);
    EXPECT_LT(z.s.aisle[2][10].item, 0);
    EXPECT_EQ(game.logs().back(), "Building upgrade for 1 new aisles.");
}

TEST(RivalStaff, FixedTargetsFirstThenCrowdedDaysWithinSixToAHundred) {
    struct Case {
        int slot, day, month, employees, crowded;
        std::deque<double> draws;
        int wanted, after;
    } cases[] = {
        {2, 1, 1, 10, 0, {}, 20, 10},       // day 1: no days behind, the fixed target
        {4, 30, 1, 10, 0, {}, 14, 10},      // 29 days behind: still fixed
        {4, 1, 2, 30, 0, {0.0}, 29, 29},    // 30 days, none crowded: slot 4 lowers at once
        {4, 1, 2, 8, 0, {0.99}, 6, 6},      // 8 - 5 is raised to 6, with the layoffs
        {2, 1, 2, 20, 10, {0.99}, 25, 20},  // crowded 10 days: slot 2 wants 5 more
        {2, 1, 2, 20, 7, {}, 7, 7},         // between the numbers: the target stands (7 set below)
    };
    for (const Case& c : cases) {
        Rivals game;
        Zelvo& z = game.g;
        z.s.calendar.day = c.day;
        z.s.calendar.month = c.month;
        Store& store = z.s.store[c.slot];
        store.employees = c.employees;
        store.wantedemployees = 7;
        store.crowdhistory.fill(0);
        for (int i = 1; i <= c.crowded; ++i) store.crowdhistory[i] = 1;
        game.script(c.draws);
        setstafftarget(z, c.slot);
        EXPECT_EQ(z.rng.scriptleft(), 0u) << c.slot << " " << c.employees;
        EXPECT_EQ(store.wantedemployees, c.wanted) << c.slot << " " << c.employees;
        EXPECT_EQ(store.employees, c.after) << c.slot << " " << c.employees;
    }
}

TEST(RivalLoans, BorrowsFromTheFirstBankThatLendsAndRemembersWhatItOwes) {
    Rivals game;
    Zelvo& z = game.g;
    Store& store = z.s.store[2];
    store.money = 0;
    store.creditrating = 595;
    z.s.game.loancount = 0;
    // Refused by banks 6, 3 and 2, then bank 1 lends and stays chosen.
    game.script({0.99, 0.4, 0.2, 0.0});
    borrow(z, 2);
    EXPECT_EQ(z.rng.scriptleft(), 0u);
    ASSERT_EQ(z.s.game.loancount, 1);
    EXPECT_EQ(z.s.loan[1].lender, "Parkside bank");
    EXPECT_DOUBLE_EQ(z.s.loan[1].apr, 8.5);
    EXPECT_EQ(z.s.loan[1].borrower, 2);
    EXPECT_EQ(store.creditrating, 575);
    EXPECT_DOUBLE_EQ(store.money, banks()[0].amount);
    EXPECT_EQ(game.logs().back(), "Got a loan for $" + numtext(banks()[0].amount));

    // Owing Daytona and drawing it again: nothing borrowed though other banks would lend.
    store.money = -5000;
    store.creditrating = 800;
    z.s.loan[2] = Loan{"Daytona bank", 1000, 0, 2, 6, 100, 1, 0, 0};
    z.s.game.loancount = 2;
    game.script({0.99});
    borrow(z, 2);
    EXPECT_EQ(z.rng.scriptleft(), 0u);
    EXPECT_EQ(z.s.game.loancount, 2);
    EXPECT_EQ(game.logs().back(), "Already had it");

    // A full loan list refuses.
    z.s.game.loancount = kMaxLoans;
    for (int i = 3; i <= kMaxLoans; ++i) z.s.loan[i] = Loan{"Other", 10, 0, 1, 5, 1, 1, 0, 0};
    game.script({0.5});  // bank 4, which would lend
    borrow(z, 2);
    EXPECT_EQ(z.s.game.loancount, kMaxLoans);
    EXPECT_EQ(game.logs().back(), "Credit denied");
}

TEST(RivalLoans, ExtraPaymentGoesToTheSmallestLoanAndKeepsTheChange) {
    struct Case {
        double principal, interest, spent;
        std::vector<std::string> logs;
    } cases[] = {
        {100, 0, 100, {"Paid an extra $100 toward a loan"}},
        {60, 30, 90, {"Paid an extra $100 toward a loan", "Paid off a loan!"}},
    };
    for (const Case& c : cases) {
        Rivals game;
        Zelvo& z = game.g;
        z.s.store[2].money = 8000;
        z.s.game.loancount = 2;
        z.s.loan[1] = Loan{"Parkside bank", 5000, 0, 2, 8.5, 500, 1, 0, 0};
        z.s.loan[2] = Loan{"Daytona bank", c.principal, c.interest, 2, 6, 500, 1, 0, 0};
        game.script({0.24});
        payextraonloan(z, 2);
        EXPECT_DOUBLE_EQ(z.s.store[2].money, 8000 - c.spent) << c.principal;
        EXPECT_DOUBLE_EQ(z.s.loan[2].principal + z.s.loan[2].interest, 0) << c.principal;
        EXPECT_DOUBLE_EQ(z.s.loan[1].principal, 5000);
        EXPECT_EQ(game.logs(), c.logs) << c.principal;
    }
}

TEST(RivalFeatures, CompetitorsFeaturesShortenTheOddsAndHardLowersCustomerPrices) {
    Rivals game;
    Zelvo& z = game.g;
    for (int p = 1; p <= 5; ++p) z.s.store[p].employees = 6;
    for (int p = 3; p <= 5; ++p)
        z.s.store[p].features = "[breakroom][employeebonus][employeelounge]";
    z.s.store[1].features = "";
    EXPECT_EQ(featureodds(z, 2, false), 165);
    z.s.store[1].employees = 76;
    EXPECT_EQ(featureodds(z, 2, false), 65);
    EXPECT_EQ(featureodds(z, 2, true), 200);

    struct Case {
        int difficulty;
        double price, monthly;
    } cases[] = {{1, 5000, 3500}, {3, 1250, 875}};
    for (const Case& c : cases) {
        Store& store = z.s.store[2];
        store.features.clear();
        for (const auto& offer : customeroffers()) {
            if (std::string(offer.tag) == tag::TvAds) break;
            store.features += offer.tag;
        }
        store.money = 100000;
        const double bills = store.monthlybills;
        z.s.game.difficulty = c.difficulty;
        game.script({0.0});
        buycustomerfeature(z, 2);
        EXPECT_TRUE(hasfeature(store, tag::TvAds));
        EXPECT_DOUBLE_EQ(store.money, 100000 - c.price);
        EXPECT_DOUBLE_EQ(store.monthlybills, bills + c.monthly);
        EXPECT_EQ(game.logs().back(), "Purchased store extra [tvads] for $" + numtext(c.price) +
                                          " ($" + numtext(c.monthly) + " monthly).");
    }
}

TEST(RivalTurn, OnlyTheSecondStoreLogsAndOnlyInDebugMode) {
    Rivals game;
    Zelvo& z = game.g;
    z.rng.seed(7);
    for (int day = 0; day < 20; ++day)
        for (int p = 3; p <= 5; ++p) runAI(z, p);
    EXPECT_TRUE(game.logs().empty());
    z.s.game.debugmode = 0;
    runAI(z, 2);
    EXPECT_TRUE(game.logs().empty());
    z.s.game.debugmode = 1;
    z.s.aisle[2][1] = Aisle{};
    runAI(z, 2);
    EXPECT_FALSE(game.logs().empty());
}

}  // namespace
}  // namespace zelvo
