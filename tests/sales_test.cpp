// Customers, sales, thefts and the check-out limit, on hand-built stores.
#include <gtest/gtest.h>

#include "sim/customers.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

// A started game whose store `slot` has `aisles` aisles of item 1, valued at `value`.
struct SalesGame {
    SalesGame(int which, int aisles, int value, double price) : slot(which) {
        GameState& s = game.z.s;
        Item& item = s.item[1];
        item.wheelsize = {0, 0, 0, 0, 0};
        item.wheelcenter = {1.0 * value, 1.0 * value, 1.0 * value, 1.0 * value, 1.0 * value};
        Store& store = s.store[slot];
        store.aislecount = aisles;
        store.features.clear();
        store.money = 0;
        for (int a = 1; a <= aisles; ++a) s.aisle[slot][a] = {1, 100, 100, price, 0, 0, 2.5};
        game.take();
    }
    Store& store() { return game.z.s.store[slot]; }
    Aisle& aisle(int a) { return game.z.s.aisle[slot][a]; }
    StoreItem& figures() { return game.z.s.storeitem[slot][1]; }
    void day(std::deque<double> draws) {
        game.z.rng.script(std::move(draws));
        storeday(game.z, slot);
        EXPECT_EQ(game.z.rng.scriptleft(), 0u) << "draws left over";
    }
    StartedGame game;
    int slot;
};

// Draws of a visit: the purchase number, then the theft number (0.5 is never a theft).
std::deque<double> visits(int count, double purchase = 0.5, double theft = 0.5) {
    std::deque<double> draws;
    for (int i = 0; i < count; ++i) draws.insert(draws.end(), {purchase, theft});
    return draws;
}

TEST(Sales, TheCheckOutsHandleTwiceTheEmployees) {
    SalesGame shop(2, 2, 100, 0);
    shop.store().employees = 10;
    shop.store().customers = 100;
    shop.day(visits(20));  // 10 customers buy in both aisles; nothing after the 20th sale
    EXPECT_EQ(shop.aisle(1).sold, 10);
    EXPECT_EQ(shop.aisle(2).sold, 10);
    EXPECT_EQ(shop.store().crowdhistory[1], 1);

    SalesGame lonely(2, 1, 100, 0);
    lonely.store().employees = 0;
    lonely.store().customers = 100;
    lonely.day(visits(1));  // no one at the check-out: one sale and the day is over
    EXPECT_EQ(lonely.aisle(1).stock, 99);
    lonely.day(visits(1, 0.5, 0.0));  // a theft ends it too
    EXPECT_EQ(lonely.aisle(1).stock, 98);
    EXPECT_EQ(lonely.figures().stolen, 1);
}

TEST(Sales, TheChanceFollowsPriceAgainstValue) {
    const struct {
        int value;
        double price;
        double purchase;  // the purchase draw
        bool sold;
    } cases[] = {
        {0, 0.5, 0.695, true},      // a value of 0 counts as 1: chance 70.7, n = 70
        {0, 0.5, 0.705, false},     // n = 71
        {0, 1, 0.0, false},         // chance 0: n = 1 is above it
        {10, 10, 0.0, false},       // a price equal to the value never sells
        {100, 0.25, 0.989, true},   // chance 99.875: n = 99
        {100, 0.25, 0.991, false},  // n = 100
    };
    for (const auto& c : cases) {
        SalesGame shop(2, 1, c.value, c.price);
        shop.store().employees = 10;
        shop.store().customers = 1;
        shop.day({c.purchase, 0.5});
        EXPECT_EQ(shop.aisle(1).sold, c.sold ? 1 : 0) << c.value << " " << c.price;
    }
    // A price above the value makes no draw at all; below it, a theft takes the unit.
    SalesGame dear(2, 1, 10, 10.01);
    dear.store().customers = 5;
    dear.day({});
    SalesGame equal(2, 1, 10, 10);
    equal.store().customers = 1;
    equal.day({0.0, 0.0});
    EXPECT_EQ(equal.figures().stolen, 1);
    EXPECT_DOUBLE_EQ(equal.figures().stolenloss, 2.5);
    EXPECT_EQ(equal.store().money, 0);  // a theft costs the unit, not cash
}

TEST(Sales, TheRewardsProgramTakesFivePercentAndThePlayerHearsEachSale) {
    SalesGame shop(1, 3, 100, 10);
    shop.store().features = "[rewardsprogram]";
    shop.store().employees = 10;
    shop.store().customers = 1;
    shop.aisle(1).item = 0;   // empty
    shop.aisle(2).item = -3;  // under construction: counts down, sells nothing
    // Aisle 3: purchase, theft, then the sale's pan draw.
    shop.day({0.0, 0.5, 0.25});
    EXPECT_DOUBLE_EQ(shop.store().money, 9.5);
    EXPECT_DOUBLE_EQ(shop.figures().profit, 7);
    EXPECT_EQ(shop.aisle(2).item, -2);
    EXPECT_EQ(shop.aisle(3).saledays, 1);
    EXPECT_EQ(shop.aisle(1).saledays, 0);
    EXPECT_EQ(shop.game.take(), Lines{"sound: sounds/game/3.wav 0 2000"});
}

TEST(Sales, ThePlayerHearsAThiefOnTheLeft) {
    SalesGame shop(1, 1, 100, 10);
    shop.store().customers = 1;
    shop.day({0.0, 0.0, 0.5});
    EXPECT_EQ(shop.game.take(), Lines{"sound: sounds/game/theft.wav 0 -3000"});
}

TEST(TheftDivisor, ByStoreFeaturesAndDifficulty) {
    const struct {
        int slot, difficulty;
        const char* features;
        double divisor;
    } cases[] = {
        {1, 2, "", 80},
        {1, 3, "", 40},
        {1, 1, "", 160},
        {1, 2, "[parkinglotlights][sensorstrip][security][lotsecurity]", 180},
        {1, 3, "[sensorstrip]", 52.5},
        {2, 3, "", 600},
        {2, 1, "[security][security]", 630},
    };
    for (const auto& c : cases) {
        StartedGame game;
        game.z.s.game.difficulty = c.difficulty;
        game.z.s.store[c.slot].features = c.features;
        EXPECT_DOUBLE_EQ(theftdivisor(game.z, c.slot), c.divisor) << c.features;
    }
}

TEST(Customers, DrawingFeaturesTakeFromEveryOtherStore) {
    const struct {
        int rival;
        int rivalafter;
        int mineafter;
    } cases[] = {{5, 0, 105}, {8, 4, 104}, {3, 0, 103}, {100, 96, 104}};
    for (const auto& c : cases) {
        StartedGame game;
        GameState& s = game.z.s;
        for (int p = 1; p <= 5; ++p) {
            s.store[p].features.clear();
            s.store[p].active = p <= 2 ? 1 : 0;
            s.store[p].customers = 0;
        }
        s.store[1].features = "[decorations][decorations]";  // counts once
        s.store[1].customers = 100;
        s.store[2].customers = c.rival;
        drawcustomers(game.z);
        EXPECT_EQ(s.store[2].customers, c.rivalafter) << c.rival;
        EXPECT_EQ(s.store[1].customers, c.mineafter) << c.rival;
    }
}

TEST(Customers, TheSeasonAndStoresOutOfTheGame) {
    StartedGame game;
    GameState& s = game.z.s;
    for (int p = 1; p <= 5; ++p) s.store[p].features.clear();
    s.store[4].active = 0;
    s.calendar.month = 12;
    countcustomers(game.z);
    EXPECT_EQ(s.store[1].customers, 168);
    EXPECT_EQ(s.store[4].customers, 0);
    s.store[3].features = "[tvads]";
    s.calendar.month = 7;
    countcustomers(game.z);
    EXPECT_EQ(s.store[3].customers, 65 + 3 * 6);
    EXPECT_EQ(s.store[2].customers, 59);
}

}  // namespace
}  // namespace zelvo
