// Demand wheels and the warehouse.
#include <gtest/gtest.h>

#include <cmath>

#include "market/warehouse.h"
#include "market/wheels.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

Item& oneitem(StartedGame& game, double baseprice) {
    game.z.s.game.itemcount = 1;
    Item& item = game.z.s.item[1];
    item = Item{};
    item.baseprice = baseprice;
    return item;
}

TEST(Wheels, InitialisationTakesThreeDrawsPerWheelInOrder) {
    StartedGame game;
    Item& item = oneitem(game, 100);
    // Per wheel: size, centre, angle.
    game.z.rng.script(
        {0.5, 0.25, 0.0, 0.0, 0.999, 0.5, 0.1, 0.1, 0.1, 0.9, 0.9, 0.99, 0.333, 0.5, 0.03});
    initwheels(game.z, 1);
    EXPECT_EQ(game.z.rng.scriptleft(), 0u);
    const int sizes[] = {76, 1, 16, 136, 50};          // Int(150 r) + 1
    const double centres[] = {45, 139, 70, 170, 150};  // Int(100 r) + (w + 1) 20
    const int angles[] = {0, 170, 30, 340, 10};        // Int(35 r) x 10
    for (int w = 0; w < kWheels; ++w) {
        EXPECT_EQ(item.wheelsize[w], sizes[w]) << w;
        EXPECT_DOUBLE_EQ(item.wheelcenter[w], centres[w]) << w;
        EXPECT_EQ(item.wheelangle[w], angles[w]) << w;
    }
}

TEST(Wheels, ATurnOntoTheCentreLineDrawsANewSizeAndMayFlip) {
    const struct {
        int angle;
        std::deque<double> draws;  // wheel, then size and flip on the centre line
        int angleafter;
        int sizeafter;
    } cases[] = {
        {350, {0.0, 0.5, 0.2}, 0, 16},    // 360 becomes 0: new size, no flip
        {350, {0.0, 0.5, 0.7}, 180, 16},  // and a flip to 180
        {170, {0.0, 0.0, 0.9}, 360, 1},   // 180 flips to 360, which stays for now
        {170, {0.0, 0.0, 0.1}, 180, 1},
        {40, {0.0}, 50, 7},   // off the centre line: one draw only
        {360, {0.0}, 10, 7},  // a wheel left at 360 comes round to 10
    };
    for (const auto& c : cases) {
        StartedGame game;
        Item& item = oneitem(game, 20);
        item.wheelangle[0] = c.angle;
        item.wheelsize[0] = 7;
        game.z.rng.script(c.draws);
        spinwheel(game.z, 1);
        EXPECT_EQ(game.z.rng.scriptleft(), 0u) << c.angle;
        EXPECT_EQ(item.wheelangle[0], c.angleafter) << c.angle;
        EXPECT_EQ(item.wheelsize[0], c.sizeafter) << c.angle;
    }
    StartedGame game;
    Item& item = oneitem(game, 20);
    item.wheelangle = {0, 10, 20, 360, 40};
    game.z.rng.script({0.99});  // wheel 4
    spinwheel(game.z, 1);
    EXPECT_EQ(item.wheelangle[3], 360);  // another wheel's turn leaves it alone
    EXPECT_EQ(item.wheelangle[4], 50);
}

TEST(Wheels, ValueAndEstimateTruncateTowardZero) {
    StartedGame game;
    Item& item = oneitem(game, 10);
    item.wheelangle = {90, 90, 90, 90, 90};
    item.wheelsize = {1, 1, 1, 1, 1};
    const double sin90 = std::sin(90 * 3.14 / 180);
    // Centres chosen so that the sums are -9 (value -1) and 1 over four wheels (estimate 0).
    item.wheelcenter = {-sin90 - 3, -sin90 - 2, -sin90 - 2, -sin90 + 6, -sin90 - 8};
    EXPECT_EQ(readwheel(game.z, 1), -1);
    EXPECT_DOUBLE_EQ(estimatefourwheels(game.z, 1), -0.0);
    EXPECT_DOUBLE_EQ(estimatevalue(game.z, 1), 0.25);
    // 3.14 is not pi: a wheel at 180 degrees still adds a little.
    item.wheelcenter = {60, 0, 0, 0, 0};
    item.wheelangle = {180, 0, 0, 0, 0};
    item.wheelsize = {1000, 0, 0, 0, 0};
    EXPECT_EQ(readwheel(game.z, 1), 12);  // (60 + 1.59) / 5
    EXPECT_DOUBLE_EQ(estimatevalue(game.z, 1), 15);
}

TEST(Wheels, ABasePriceOfZeroKeepsTheValueAtZero) {
    StartedGame game;
    Item& item = oneitem(game, 0);
    initwheels(game.z, 1);
    for (int day = 0; day < 2000; ++day) {
        spinwheel(game.z, 1);
        ASSERT_EQ(readwheel(game.z, 1), 0) << day;
    }
    for (int w = 0; w < kWheels; ++w) {
        EXPECT_EQ(item.wheelsize[w], 1);
        EXPECT_EQ(item.wheelcenter[w], 0);
    }
}

TEST(Warehouse, UnitPricesByFactorAndQuantity) {
    StartedGame game;
    Item& item = oneitem(game, 8);
    const struct {
        double factor, quantity, price;
    } cases[] = {
        {1, 1, 6.40},  {1.2, 1, 7.68}, {1, 10, 6.40}, {1, 10.5, 6.27}, {1, 11, 6.27},
        {1, 20, 6.27}, {1, 21, 6.14},  {1, 90, 5.38}, {1, 91, 5.25},   {1, 100, 5.25},
    };
    for (const auto& c : cases) {
        item.pricefactor = c.factor;
        EXPECT_DOUBLE_EQ(warehouseprice(game.z, 1, c.quantity), c.price) << c.quantity;
    }
    item.baseprice = 100;
    item.pricefactor = 1;
    EXPECT_DOUBLE_EQ(warehouseprice(game.z, 1, 11), 0.98 * warehouseprice(game.z, 1, 10));
}

int carriedunits(const GameState& s, int* carried) {
    int units = 0;
    *carried = 0;
    for (int i = 1; i <= s.game.itemcount; ++i) {
        if (s.item[i].carried != 1) continue;
        ++*carried;
        units += s.item[i].warehousestock;
    }
    return units;
}

TEST(Warehouse, PurchasesMoveUnitsAndKeep28ItemsCarried) {
    StartedGame game;  // a started game: 63 items, 28 carried with 90 units each
    GameState& s = game.z.s;
    int carried = 0;
    ASSERT_EQ(carriedunits(s, &carried), 2520);
    ASSERT_EQ(carried, 28);
    Random pick;  // the test's own choices, apart from the game's draws
    pick.seed(7);
    for (int n = 0; n < 5000; ++n) {
        int item = 0;
        do item = static_cast<int>(pick.draw() * s.game.itemcount) + 1;
        while (s.item[item].carried != 1);
        const int stock = s.item[item].warehousestock;
        const int quantity = std::min(stock, static_cast<int>(pick.draw() * 30) + 1);
        buyfromwarehouse(game.z, item, quantity, n % 2 ? kPlayerPriceRise : kComputerPriceRise);
        ASSERT_EQ(carriedunits(s, &carried), 2520) << n;
        ASSERT_EQ(carried, 28) << n;
        for (int i = 1; i <= s.game.itemcount; ++i) {
            if (s.item[i].carried != 1) continue;
            ASSERT_LE(s.item[i].warehousestock, 100);
            ASSERT_GE(s.item[i].pricefactor, 1.0);
        }
    }
}

TEST(Warehouse, BuyingTheLastUnitsBringsInANewcomer) {
    StartedGame game;
    GameState& s = game.z.s;
    int bought = 0;
    for (int i = 1; i <= s.game.itemcount && !bought; ++i)
        if (s.item[i].carried == 1) bought = i;
    s.item[bought].warehousestock = 15;
    s.item[bought].pricefactor = 1.1;
    std::vector<int> before;
    for (int i = 1; i <= s.game.itemcount; ++i) before.push_back(s.item[i].carried);
    buyfromwarehouse(game.z, bought, 15, kPlayerPriceRise);
    EXPECT_EQ(s.item[bought].carried, 0);
    EXPECT_DOUBLE_EQ(s.item[bought].pricefactor, 1.1 + 15 * 0.002);
    int newcomer = 0;
    for (int i = 1; i <= s.game.itemcount; ++i)
        if (s.item[i].carried == 1 && before[static_cast<std::size_t>(i - 1)] == 0) newcomer = i;
    ASSERT_NE(newcomer, 0);
    EXPECT_EQ(s.item[newcomer].warehousestock, 15);
    EXPECT_EQ(s.item[newcomer].pricefactor, 1);
}

TEST(Warehouse, SpreadLowersTheFactorOfItemsItLandsOn) {
    StartedGame game;
    GameState& s = game.z.s;
    s.game.itemcount = 30;
    for (int i = 1; i <= 30; ++i) {
        s.item[i].carried = i <= 28 ? 1 : 0;
        s.item[i].warehousestock = 100;
        s.item[i].pricefactor = 1;
    }
    s.item[5].warehousestock = 40;  // the only other carried item with room
    s.item[5].pricefactor = 1.025;
    s.item[1].warehousestock = 50;
    buyfromwarehouse(game.z, 1, 3, kComputerPriceRise);
    EXPECT_EQ(s.item[5].warehousestock, 43);
    EXPECT_DOUBLE_EQ(s.item[5].pricefactor, 1);  // 1.015, 1.005, then not below 1
    EXPECT_DOUBLE_EQ(s.item[1].pricefactor, 1.03);
}

}  // namespace
}  // namespace zelvo
