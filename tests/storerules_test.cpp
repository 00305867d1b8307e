// The store's rules that the player's screens and the computer stores share: late bills,
// staff and wages, the wage survey, aisle prices, scrap, rebuilding and restocking.
#include <gtest/gtest.h>

#include "finance/bills.h"
#include "market/warehouse.h"
#include "store/aislegoods.h"
#include "store/research.h"
#include "store/staff.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

TEST(Bills, CatchingUpPaysEveryLateMonthOrNothing) {
    StartedGame game;
    Store& human = game.z.s.human();
    human.monthlybills = 800;
    human.billsmonthslate = 2;
    human.money = 1000;
    human.billspaid = 0;
    CatchUp catchup = paylatebills(game.z, 1);
    EXPECT_FALSE(catchup.paid);
    EXPECT_DOUBLE_EQ(catchup.due, 1600);
    EXPECT_DOUBLE_EQ(human.money, 1000);
    EXPECT_EQ(human.billsmonthslate, 2);
    human.money = 2000;
    catchup = paylatebills(game.z, 1);
    EXPECT_TRUE(catchup.paid);
    EXPECT_DOUBLE_EQ(human.money, 400);
    EXPECT_DOUBLE_EQ(human.billspaid, 1600);
    EXPECT_EQ(human.billsmonthslate, 0);
}

TEST(Staff, TargetsStayWithinOneToAHundredAndWagesAboveBothFloors) {
    struct Case {
        int wanted, step, expected;
    } targets[] = {{98, 10, 100}, {3, -5, 1}, {6, 1, 7}, {1, -1, 1}};
    for (const Case& c : targets) {
        Store store;
        store.wantedemployees = c.wanted;
        changewantedstaff(store, c.step);
        EXPECT_EQ(store.wantedemployees, c.expected) << c.wanted << " by " << c.step;
    }
    struct WageCase {
        double wage, unionwage, step, expected;
    } wages[] = {
        {7.50, 0, 1, 8.50},
        {7.25, 0, -0.25, 7.25},
        {9, 9, -0.25, 9},
        {7.10, 0, 0, 7.25},
        {8.125, 0, 0, 8.12},  // to cents, halves to even
        // No higher than a saved game can hold, or the save would no longer load.
        {kWageLimit - 0.5, 0, 1, kWageLimit},
        {kWageLimit, 0, 0.25, kWageLimit},
    };
    for (const WageCase& c : wages) {
        Store store;
        store.wage = c.wage;
        store.unionwage = c.unionwage;
        changewage(store, c.step);
        EXPECT_DOUBLE_EQ(store.wage, c.expected) << c.wage << " by " << c.step;
    }
    Store store;
    store.wage = 8;
    store.employees = 12;
    EXPECT_DOUBLE_EQ(weeklywages(store), 12 * 8 * 40);
}

TEST(Staff, TheSurveyCountsStrictlyHigherWagesAndTheLowestSlotWinsATie) {
    StartedGame game;
    Zelvo& z = game.z;
    const double wages[] = {0, 8, 9, 10, 9, 10};
    for (int s = 1; s <= 5; ++s) z.s.store[s].wage = wages[s];
    WageSurvey survey = surveywages(z, 1);
    EXPECT_EQ(survey.higher, 4);
    EXPECT_EQ(survey.bestslot, 3);
    EXPECT_DOUBLE_EQ(survey.bestwage, 10);
    z.s.store[5].wage = 8;  // as much as the player: not higher
    z.s.store[4].wage = 0;  // out of the game
    survey = surveywages(z, 1);
    EXPECT_EQ(survey.higher, 2);
    for (int s = 2; s <= 5; ++s) z.s.store[s].wage = 7.25;
    survey = surveywages(z, 1);
    EXPECT_EQ(survey.higher, 0);
    EXPECT_EQ(survey.bestslot, 1);
}

TEST(Research, TheTeamWorksForFreeOnceHiredAndNeverOnCredit) {
    Store store;
    store.money = 49.99;
    EXPECT_DOUBLE_EQ(researchprice(store), 50);
    EXPECT_FALSE(payforresearch(store));
    EXPECT_DOUBLE_EQ(store.money, 49.99);
    store.money = 50;
    EXPECT_TRUE(payforresearch(store));
    EXPECT_DOUBLE_EQ(store.money, 0);
    EXPECT_DOUBLE_EQ(store.researchspent, 50);
    store.features = "[extracarts][researchteam]";
    EXPECT_DOUBLE_EQ(researchprice(store), 0);
    EXPECT_TRUE(payforresearch(store));
}

TEST(AisleGoods, PricesMoveInCentsAndNeverBelowAQuarter) {
    struct Case {
        double price, step, expected;
    } cases[] = {{0.50, -0.25, 0.25}, {0.25, -0.25, 0.25}, {0.25, 25, 25.25},
                 {10, 0, 10},         {3.10, -5, 0.25},    {1.115, 0, 1.12}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(steppedprice(c.price, c.step), c.expected) << c.price << " " << c.step;
    struct Markup {
        double unitprice, expected;
    } markups[] = {{2.99, 3.50}, {2.50, 3.00}, {0.35, 0.25}, {0.20, 0}, {6.27, 7.50}, {10, 12}};
    for (const Markup& m : markups)
        EXPECT_DOUBLE_EQ(markupprice(m.unitprice), m.expected) << m.unitprice;
}

TEST(AisleGoods, ScrapPaysAFifthOfTheBasePriceAndKeepsTheCounter) {
    StartedGame game;
    Zelvo& z = game.z;
    Aisle& aisle = z.s.aisle[1][1];
    z.s.item[1].baseprice = 3;
    aisle = Aisle{1, 12, 20, 5, 4, 9, 2};
    EXPECT_DOUBLE_EQ(scrapvalue(z, 1, 1), 7.20);
    z.s.item[2].baseprice = 1;
    z.s.aisle[1][2] = Aisle{2, 1, 20, 5, 0, 0, 1};
    EXPECT_DOUBLE_EQ(scrapvalue(z, 1, 2), 0.25);
    z.s.human().money = 100;
    EXPECT_DOUBLE_EQ(sellforscrap(z, 1, 1), 7.20);
    EXPECT_DOUBLE_EQ(z.s.human().money, 107.20);
    EXPECT_EQ(aisle.item, 0);
    EXPECT_EQ(aisle.stock, 0);
    EXPECT_EQ(aisle.sold, 4);
    EXPECT_EQ(aisle.saledays, 9);
}

TEST(AisleGoods, RebuildingAddsTenUnitsAndTenInBillsUpToAHundred) {
    StartedGame game;
    Zelvo& z = game.z;
    Aisle& aisle = z.s.aisle[1][1];
    aisle = Aisle{};
    aisle.capacity = 90;
    aisle.item = 7;  // sold out: its goods are forgotten
    const double bills = z.s.human().monthlybills;
    EXPECT_EQ(rebuildaisle(z, 1, 1), RebuildOutcome::Started);
    EXPECT_EQ(aisle.capacity, 100);
    EXPECT_EQ(aisle.item, -14);
    EXPECT_DOUBLE_EQ(z.s.human().monthlybills, bills + 10);
    aisle.item = 0;
    EXPECT_EQ(rebuildaisle(z, 1, 1), RebuildOutcome::AtMost);
    EXPECT_EQ(aisle.capacity, 100);
    EXPECT_EQ(aisle.item, 0);
}

TEST(AisleGoods, RestockingPricesNewGoodsAndKeepsThePriceOfTheSame) {
    StartedGame game;
    Zelvo& z = game.z;
    int item = 1;
    while (z.s.item[item].carried != 1) ++item;
    Item& it = z.s.item[item];
    it.warehousestock = 50;
    const double factor = it.pricefactor;
    Aisle& aisle = z.s.aisle[1][2];
    aisle = Aisle{};
    aisle.sold = 3;
    aisle.saledays = 4;
    Store& human = z.s.human();
    human.money = 59.80;  // exactly 20 at 2.99
    z.s.storeitem[1][item] = StoreItem{};
    EXPECT_EQ(restockaisle(z, 1, 2, item, 20, 2.99), RestockOutcome::NewPrice);
    EXPECT_DOUBLE_EQ(human.money, 0);
    EXPECT_DOUBLE_EQ(aisle.price, 3.50);
    EXPECT_EQ(aisle.item, item);
    EXPECT_EQ(aisle.stock, 20);
    EXPECT_DOUBLE_EQ(aisle.cost, 2.99);
    EXPECT_EQ(aisle.sold, 0);
    EXPECT_EQ(aisle.saledays, 0);
    EXPECT_EQ(z.s.storeitem[1][item].bought, 20);
    EXPECT_DOUBLE_EQ(z.s.storeitem[1][item].boughtcost, 59.80);
    EXPECT_EQ(it.warehousestock, 30);
    EXPECT_DOUBLE_EQ(it.pricefactor, factor + 20 * kPlayerPriceRise);
    aisle.stock = 0;
    aisle.price = 4.75;
    EXPECT_EQ(restockaisle(z, 1, 2, item, 10, 2.50), RestockOutcome::CannotAfford);
    human.money = 100;
    EXPECT_EQ(restockaisle(z, 1, 2, item, 10, 2.50), RestockOutcome::SamePrice);
    EXPECT_DOUBLE_EQ(aisle.price, 4.75);
    EXPECT_DOUBLE_EQ(human.money, 75);
}

}  // namespace
}  // namespace zelvo
