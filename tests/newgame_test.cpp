// New-game setup: stores by difficulty, the catalogue from its lists, the warehouse.
#include <gtest/gtest.h>

#include "persist/progress.h"
#include "setup/newgame.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

int features(const std::string& tags) {
    int count = 0;
    for (char c : tags) count += c == '[';
    return count;
}

TEST(Startusout, StoresFollowTheDifficulty) {
    const struct {
        int difficulty;
        double human, computer;
        int aisles[4], capacity[4];
        double loan, payment;
        int fewest, most;
    } cases[] = {
        {1, 50000, 10000, {4, 4, 4, 4}, {20, 20, 20, 20}, 100000, 669, 0, 1},
        {2, 25000, 25000, {5, 6, 5, 6}, {40, 30, 40, 30}, 50000, 300, 1, 2},
        {3, 10000, 50000, {6, 7, 6, 7}, {60, 50, 60, 50}, 5000, 50, 2, 3},
    };
    for (const auto& c : cases) {
        for (int seed = 1; seed <= 20; ++seed) {
            StartedGame game(false);
            game.z.rng.seed(static_cast<std::uint64_t>(seed));
            GameState& s = game.z.s;
            s.game.difficulty = c.difficulty;
            startusout(game.z);
            ASSERT_EQ(s.store[1].money, c.human);
            ASSERT_EQ(s.store[1].aislecount, 4);
            for (int a = 1; a <= 4; ++a) ASSERT_EQ(s.aisle[1][a].capacity, 20);
            ASSERT_EQ(s.game.loancount, 5);
            ASSERT_EQ(s.loan[1].borrower, 1);  // record 1 is the player's
            ASSERT_EQ(s.loan[1].principal, 100000);
            ASSERT_EQ(s.loan[1].payment, 669);
            EXPECT_EQ(s.store[1].features, "");
            for (int slot = 2; slot <= 5; ++slot) {
                const Store& store = s.store[slot];
                ASSERT_EQ(store.money, c.computer);
                ASSERT_EQ(store.aislecount, c.aisles[slot - 2]) << slot;
                for (int a = 1; a <= store.aislecount; ++a)
                    ASSERT_EQ(s.aisle[slot][a].capacity, c.capacity[slot - 2]) << slot;
                ASSERT_EQ(store.monthstartmoney, c.computer);
                const Loan& loan = s.loan[slot];
                ASSERT_EQ(loan.borrower, slot);
                ASSERT_EQ(loan.lender, "Starter");
                ASSERT_EQ(loan.principal, c.loan);
                ASSERT_EQ(loan.payment, c.payment);
                ASSERT_EQ(loan.apr, 2.5);
                ASSERT_EQ(loan.dueday, 1);
                ASSERT_GE(features(store.features), c.fewest);
                ASSERT_LE(features(store.features), c.most);
            }
        }
    }
}

TEST(Startusout, DrawsFeaturesThenWheelsThenTheWarehouse) {
    StartedGame game(false);
    GameState& s = game.z.s;
    s.game.difficulty = 3;
    // Slot 2: 3 features, [radioads] twice and [tvads]; slots 3 to 5: 2 features each.
    std::deque<double> draws = {0.5, 10.5 / 13, 10.5 / 13, 12.5 / 13, 0.1, 0.0, 0.0,
                                0.1, 0.0,       0.0,       0.1,       0.0, 0.0};
    for (int i = 0; i < 63 * 15; ++i) draws.push_back(0.5);
    for (int k = 0; k < 28; ++k) draws.push_back((k + 0.5) / 63);  // items 1 to 28
    game.z.rng.script(draws);
    startusout(game.z);
    EXPECT_EQ(game.z.rng.scriptleft(), 0u);
    EXPECT_EQ(s.store[2].features, "[radioads][radioads][tvads]");
    EXPECT_EQ(s.store[3].features, "[bottlereturn][bottlereturn]");
    EXPECT_EQ(s.item[29].carried, 0);
    EXPECT_EQ(s.item[28].carried, 1);
    EXPECT_EQ(s.item[63].wheelsize[4], static_cast<int>(2500 * 1.5 * 0.5) + 1);
}

TEST(Startusout, TheBuiltInListAlone) {
    StartedGame game;  // start-up ran new-game setup once
    const GameState& s = game.z.s;
    ASSERT_EQ(s.game.itemcount, 63);
    EXPECT_EQ(s.item[1].name, "Audyssey magazine");
    EXPECT_EQ(s.item[1].baseprice, 8);
    EXPECT_EQ(s.item[63].name, "Diamond ring");
    EXPECT_EQ(s.item[63].baseprice, 2500);
    ASSERT_EQ(s.listcount, 1);
    EXPECT_EQ(s.itemlist[1].name, "Default");
    EXPECT_EQ(s.itemlist[1].size, 63);
    int carried = 0;
    for (int i = 1; i <= 63; ++i) {
        carried += s.item[i].carried;
        EXPECT_EQ(s.item[i].warehousestock, 90);
    }
    EXPECT_EQ(carried, 28);
}

TEST(Startusout, FewerThan30ItemsBringBackTheBuiltInList) {
    StartedGame game;
    GameState& s = game.z.s;
    std::string file;
    for (int i = 1; i <= 12; ++i)
        file += "Gadget " + std::to_string(i) + "\r\n" + std::to_string(i * 7) + "\r\nUseful.\r\n";
    game.folder.write("items2.txt", file);
    s.itemlist[1].enabled = 0;
    startusout(game.z);
    EXPECT_EQ(game.take(), std::vector<std::string>{
                               "say: The default item list has been enabled because the game "
                               "requires at least 30 items to play."});
    ASSERT_EQ(s.game.itemcount, 75);
    for (int i = 2; i <= 75; ++i) ASSERT_LE(s.item[i - 1].baseprice, s.item[i].baseprice) << i;
    EXPECT_EQ(s.item[1].name, "Gadget 1");  // 7 is below every built-in price
    EXPECT_EQ(s.itemlist[1].enabled, 1);
    ASSERT_EQ(s.listcount, 2);
    EXPECT_EQ(s.itemlist[2].name, "items2.txt");
    EXPECT_EQ(s.itemlist[2].size, 12);
    EXPECT_EQ(s.itemlist[2].enabled, 1);

    // A known file keeps its recorded size; a disabled one is not read at all.
    file += "Gadget 13\r\n99\r\nNew.\r\n";
    game.folder.write("items2.txt", file);
    startusout(game.z);
    EXPECT_EQ(s.itemlist[2].size, 12);
    EXPECT_EQ(s.game.itemcount, 76);
    s.itemlist[2].enabled = 0;
    startusout(game.z);
    EXPECT_EQ(s.game.itemcount, 63);
}

// A new game keeps the player's names and settings, and nothing of the last game's trade: an
// aisle of the new store must not report what the old one sold.
TEST(Startusout, KeepsNamesAndSettingsButClearsTheLastGamesCounters) {
    StartedGame game;
    GameState& s = game.z.s;
    s.human().storename = "Mine";
    s.ui.speechoutput = 2;
    s.aisle[1][2] = Aisle{5, 3, 20, 7.5, 17, 40, 6.27};
    s.aisle[3][6].saledays = 12;
    s.store[3].customers = 40;
    s.store[2].crowdhistory[5] = 1;
    s.store[2].crowdhistory[30] = 1;
    startusout(game.z);
    EXPECT_EQ(s.human().storename, "Mine");
    EXPECT_EQ(s.ui.speechoutput, 2);
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(s.store[p].customers, 0) << p;
        for (int d = 1; d <= kCrowdDays; ++d) EXPECT_EQ(s.store[p].crowdhistory[d], 0) << p;
        for (int a = 1; a <= s.store[p].aislecount; ++a) {
            const Aisle& aisle = s.aisle[p][a];
            EXPECT_EQ(aisle.sold, 0) << p << " " << a;
            EXPECT_EQ(aisle.saledays, 0) << p << " " << a;
            EXPECT_EQ(aisle.cost, 0) << p << " " << a;
        }
    }
}

}  // namespace
}  // namespace zelvo
