// The store's screens as the player hears them: the Store menu's layout and items, the staff
// and wage items, the aisle items and the Supplier menu.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "persist/loadgame.h"
#include "persist/savegame.h"
#include "state/menunumbers.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;

// A game in its Store menu with `loans` live loans of the player and `aisles` empty aisles.
struct StoreGame : StartedGame {
    explicit StoreGame(int loans = 0, int aisles = 4,
                       HeadlessOptions options = {ZELVO_DEFAULT_SEED, ZELVO_DEFAULT_YEAR})
        : StartedGame(true, options) {
        z.s.game.loancount = loans;
        for (int k = 1; k <= loans; ++k)
            z.s.loan[k] = Loan{"Bank " + std::to_string(k), 1000, 0, 1, 5, 100, 3, 0, 0};
        z.s.human().aislecount = aisles;
        for (int a = 1; a <= aisles; ++a) z.s.aisle[1][a] = Aisle{};
        z.s.ui.menu = menu::Store;
        take();
    }
    // What the game said on going to `position` of the current menu.
    std::string at(int position) {
        take();
        entermenu(z, z.s.ui.menu, position);
        return said();
    }
    // What the game said on this key.
    std::string key(int code, int state = 0) {
        take();
        press(code, state);
        return said();
    }
    // The last text spoken since the last look, or "(nothing)".
    std::string said() { return lastsaid(take()); }
    // The first carried item and its place among the offers.
    int offered(int place) {
        for (int i = 1; i <= z.s.game.itemcount; ++i)
            if (z.s.item[i].carried == 1 && --place == 0) return i;
        return 0;
    }
};

TEST(StoreMenu, EveryPositionSpeaksAndWrapsWithAnyLoansAndAisles) {
    for (int loans : {0, 1, 3})
        for (int aisles : {4, 10})
            for (int number : {menu::Store, menu::Supplier}) {
                SCOPED_TRACE(::testing::Message() << "menu " << number << ", " << loans
                                                  << " loans, " << aisles << " aisles");
                StoreGame game(loans, aisles);
                game.z.s.ui.menu = number;
                game.z.s.ui.selectedaisle = 1;
                const int items = menuitems(game.z);
                EXPECT_EQ(items, number == menu::Store ? 7 + loans + aisles : 29);
                for (int p = 1; p <= items; ++p) {
                    const std::string text = game.at(p);
                    EXPECT_NE(text, "(nothing)") << "position " << p;
                    EXPECT_NE(text, "") << "position " << p;
                }
                game.press(key::Down);
                EXPECT_EQ(game.z.s.ui.menuposition, 1);
            }
}

TEST(StoreMenu, LoansShiftTheItemsBehindThemAndDigitsFindTheAisles) {
    StoreGame game(0, 4);
    EXPECT_EQ(menuitems(game.z), 11);
    EXPECT_EQ(game.at(4), "You do not have any loans.  Press Enter to apply for one.");
    EXPECT_EQ(game.at(5).substr(0, 25), "The store currently has 6");
    EXPECT_EQ(game.at(8).substr(0, 9), "Aisle #1 ");
    game.z.s.game.loancount = 1;
    game.z.s.loan[1] = Loan{"Starter", 100000, 0, 1, 2.5, 669, 1, 1, 0};
    EXPECT_EQ(game.at(6).substr(0, 25), "The store currently has 6");
    EXPECT_EQ(game.at(5),
              "Starter 2.5% APR loan costs $669.00 and is currently late by 1 month!  "
              "Press Enter to pay this late bill now.  Principle balance is "
              "$100,000.00, Accumulated interest is $0.00.  Because interest grows "
              "over time, by the time you have finished paying off this loan, you "
              "will have paid much more than you originally borrowed.");
    EXPECT_EQ(game.key('3'),
              "Aisle #3 is empty but can hold up to 20 items.  Press Enter to "
              "place an order for more merchandise.  Press Backspace to rearrange "
              "this space so that it can hold more items.");
    EXPECT_EQ(game.z.s.ui.menuposition, 11);
    EXPECT_EQ(game.key('7'), "(nothing)");  // only 4 aisles
    game.z.s.ui.menuposition = 12;
    game.press(key::Down);
    EXPECT_EQ(game.z.s.ui.menuposition, 1);
    game.take();
    game.press(key::Escape);
    EXPECT_EQ(game.z.s.ui.menu, menu::Escape);
    EXPECT_EQ(game.take(), (std::vector<std::string>{"sound: sounds/game/previous.wav 0 0",
                                                     "say: Return to the game."}));
}

TEST(StoreMenu, TheSummaryTellsTheDateAndRenamesTheStoreAsTyped) {
    StoreGame game(0, 4, {ZELVO_DEFAULT_SEED, 2024});
    game.z.s.calendar.month = 3;
    game.z.s.calendar.day = 5;
    EXPECT_EQ(game.at(1),
              "March 5, 2024.  Summary for Zelvo.  Press Enter to change the store's "
              "name.  Press Backspace to meet with your market research team.");
    game.platform.queueAnswer("");
    EXPECT_EQ(game.key(key::Enter), "Canceled.");
    EXPECT_EQ(game.z.s.human().storename, "Zelvo");
    game.platform.queueAnswer("  Café Ünter, & Co.  ");
    EXPECT_EQ(game.key(key::Enter), "This store has been renamed to   Café Ünter, & Co.  .");
    EXPECT_EQ(game.z.s.human().storename, "  Café Ünter, & Co.  ");
    savegame(game.z, "renamed");
    game.z.s.human().storename = "Zelvo";
    loadgame(game.z, "renamed");
    EXPECT_EQ(game.z.s.human().storename, "  Café Ünter, & Co.  ");
}

TEST(StoreMenu, TheBillsItemTellsTheLatenessAndCatchesUp) {
    StoreGame game;
    Store& human = game.z.s.human();
    human.money = 1000;
    human.monthlybills = 800;
    const struct {
        int late;
        const char* tail;
    } tails[] = {
        {0, " which are due on the 30th of each month."},
        {1, " which is late by 1 month!  Press Enter to pay this late bill now."},
        {2,
         " which is late by 2 months!  Press Enter to pay these late bills before it is too "
         "late!"},
    };
    for (const auto& t : tails) {
        human.billsmonthslate = t.late;
        EXPECT_EQ(game.at(2),
                  std::string("$1,000.00 available.  Monthly bills are $800.00") + t.tail);
    }
    EXPECT_EQ(game.key(key::Enter), "You do not have $1,600.00 needed to catch up on your bills.");
    EXPECT_EQ(human.billsmonthslate, 2);
    human.money = 2000;
    EXPECT_EQ(game.key(key::Enter),
              "You have paid $1,600.00 to catch up on your bills.  Your "
              "store has $400.00 left.");
    EXPECT_EQ(game.key(key::Enter),
              "$400.00 available.  Monthly bills are $800.00 which are due "
              "on the 30th of each month.");
}

TEST(StoreMenu, TheFeaturesItemCountsTheTags) {
    StoreGame game;
    const std::string tail =
        "  Extra store features help in a variety of ways, and should not be under estimated.";
    game.z.s.human().features = "";
    EXPECT_EQ(game.at(3),
              "Your store does not currently have any extra features.  Press Enter "
              "to see which ones you could add." +
                  tail);
    game.z.s.human().features = "[security]";
    EXPECT_EQ(game.at(3),
              "Your store has 1 extra feature.  Press Enter to view it and see which "
              "ones you could add." +
                  tail);
    game.z.s.human().features = "[extracarts][security]";
    EXPECT_EQ(game.at(3),
              "Your store has 2 extra features.  Press Enter to view them and see "
              "which ones you could add." +
                  tail);
}

TEST(StaffItems, TargetsAndWagesAnswerWithTheirNewValues) {
    StoreGame game;
    Store& human = game.z.s.human();
    human.wantedemployees = 98;
    game.at(5);
    EXPECT_EQ(game.key(key::Plus, mod::Ctrl),
              "Your managers have been told that you only want 100 employees in total.");
    human.wantedemployees = 3;
    EXPECT_EQ(game.key(key::Minus, mod::Shift),
              "Your managers have been told that you only want 1 employees in total.");
    human.wantedemployees = 4;
    EXPECT_EQ(game.key(key::Plus, mod::Alt),
              "Your managers have been told that you only want 4 employees in total.");
    human.employees = 6;
    EXPECT_EQ(game.at(5),
              "The store currently has 6 employees.  You've told management to fire "
              "some until you have 4.  Press plus or minus to change the desired "
              "number of workers.");
    human.wantedemployees = 9;
    EXPECT_EQ(game.at(5),
              "The store currently has 6 employees.  You've told management to hire "
              "more until you have 9.  Press plus or minus to change the desired "
              "number of workers.");

    human.employees = 12;
    human.wage = 7.50;
    game.at(6);
    EXPECT_EQ(game.key(key::KeypadPlus, mod::Shift),
              "$8.50 per hour.  Your 12 employees will cost you a total of $4,080.00 per week.");
    EXPECT_EQ(game.key(key::Minus, mod::Ctrl),
              "$8.50 per hour.  Your 12 employees will cost you a total of $4,080.00 per week.");
    human.unionwage = 9;
    human.wage = 9;
    EXPECT_EQ(game.key(key::Minus),
              "$9.00 per hour.  Your 12 unionized employees will cost you a total of $4,320.00 "
              "per week.  Due to the union contract, you are not allowed to pay your people less "
              "than $9.00 per hour.");
    EXPECT_EQ(game.at(6),
              "You currently pay your employees $9.00 per hour.  Your 12 unionized "
              "employees will cost you a total of $4,320.00 per week.  Press plus or "
              "minus to change their hourly pay.  Press Backspace to pay your market "
              "research team $50.00 to report on employee wages.");
}

TEST(StaffItems, TheWageReportIsConfirmedPaidAndNamesTheBestPayer) {
    StoreGame game;
    Zelvo& z = game.z;
    const double wages[] = {0, 8, 9, 9, 10, 7.25};
    for (int s = 1; s <= 5; ++s) z.s.store[s].wage = wages[s];
    z.s.human().money = 49;
    game.at(6);
    EXPECT_EQ(game.key(key::Backspace), "You cannot afford this.  Your store has $49.00.");
    z.s.human().money = 1000;
    z.s.human().researchspent = 0;
    EXPECT_EQ(game.key(key::Backspace),
              "Hold Shift and press Backspace to confirm spending $50.00 on market research.");
    EXPECT_EQ(game.key(key::Backspace, mod::Shift),
              "We have found 3 nearby stores that offer their employees higher wages.  " +
                  z.s.store[4].storename +
                  " is the highest, paying $10.00 per hour.  Some of your workers may leave "
                  "your store to seek employement there, if job positions are available.    "
                  "Your employees are not currently part of a union.  As your shop grows there "
                  "is a greater chance that they will form one, whether you like it or not.  "
                  "Having good pay, break rooms, and employee lounges help keep your workers "
                  "happy so they don't think about unionizing.");
    EXPECT_DOUBLE_EQ(z.s.human().money, 950);
    EXPECT_DOUBLE_EQ(z.s.human().researchspent, 50);
    z.s.human().features = "[researchteam]";
    z.s.human().unionwage = 7.25;
    for (int s = 2; s <= 5; ++s) z.s.store[s].wage = s == 3 ? 8.25 : 8;
    EXPECT_EQ(game.key(key::Backspace),
              "We have found 1 nearby store that is offering its employees higher wages.  " +
                  z.s.store[3].storename +
                  " is paying $8.25 per hour.  Some of your workers may leave your store to seek "
                  "employement there, if job positions are available.    Your employees are part "
                  "of a union.  Having good pay, break rooms, and employee lounges help keep your "
                  "workers happy.  If your workers aren't happy, their union might just force you "
                  "to pay them more.");
    EXPECT_DOUBLE_EQ(z.s.human().money, 950);
}

TEST(AisleItems, ReportsFollowTheAislesState) {
    StoreGame game;
    Zelvo& z = game.z;
    Aisle& aisle = z.s.aisle[1][1];
    aisle.item = -3;
    EXPECT_EQ(game.at(8),
              "Aisle #1 is under construction.  It is expected to be complete in about 3 days.");
    aisle = Aisle{0, 0, 30, 2, 1, 1, 1};
    EXPECT_EQ(game.at(8),
              "Aisle #1 is empty but can hold up to 30 items.  1 has sold in the past "
              "day.  Press Enter to place an order for more merchandise.  Press "
              "Backspace to rearrange this space so that it can hold more items.  "
              "Press R to reset the sales counter.");
    const int item = game.offered(1);
    Item& it = z.s.item[item];
    it.name = "Widget";
    it.baseprice = 3;
    const struct {
        int sold, days;
        const char* sentence;
    } sales[] = {
        {0, 0, ""},
        {0, 1, "  None have sold in the past day."},
        {0, 4, "  None have sold in the past 4 days."},
        {1, 4, "  1 has sold in the past 4 days."},
        {5, 1, "  5 have sold in the past day."},
        {5, 6, "  5 have sold in the past 6 days."},
    };
    for (const auto& s : sales) {
        aisle = Aisle{item, 12, 20, 4.5, s.sold, s.days, 2.4};
        EXPECT_EQ(game.at(8),
                  std::string("Aisle #1 has 12 of 20 Widget.  List price is $4.50.") + s.sentence +
                      "  You originally paid $2.40 per item.  Press plus or minus to adjust the "
                      "price you are selling these for.  Press Delete to sell all of these items "
                      "to a scrap dealer for $7.20.  Press Backspace to pay your market research "
                      "team $50.00 to investigate this item for you." +
                      (s.days > 0 ? "  Press R to reset the sales counter." : ""));
    }
    aisle.stock = 0;
    EXPECT_EQ(game.at(8),
              "Aisle #1 has 0 of 20 Widget.  List price is $4.50.  5 have sold in the "
              "past 6 days.  You originally paid $2.40 per item.  Press plus or minus "
              "to adjust the price you are selling these for.  Press Backspace to do "
              "minor reconstruction on this space so that it can hold 10 more items.  "
              "Press R to reset the sales counter.");
}

TEST(AisleItems, PricesScrapRebuildingAndResearchActOnTheirKeys) {
    StoreGame game;
    Zelvo& z = game.z;
    Aisle& aisle = z.s.aisle[1][1];
    const int item = game.offered(1);
    z.s.item[item].name = "Widget";
    z.s.item[item].baseprice = 3;
    aisle = Aisle{item, 12, 20, 0.5, 0, 0, 2.4};
    game.at(8);
    EXPECT_EQ(game.key(key::Minus), "$0.25 sale price for Widget.");
    EXPECT_EQ(game.key(key::KeypadMinus), "$0.25 sale price for Widget.");
    EXPECT_EQ(game.key(key::Plus, mod::Alt), "$25.25 sale price for Widget.");
    EXPECT_EQ(game.key(key::Plus, mod::Shift | mod::Ctrl), "$25.25 sale price for Widget.");
    EXPECT_EQ(game.key(key::Plus, mod::Ctrl), "$30.25 sale price for Widget.");
    EXPECT_EQ(game.key(key::Enter).substr(0, 30), "Aisle #1 has 12 of 20 Widget. ");
    z.s.human().money = 100;
    EXPECT_EQ(game.key(key::Backspace, mod::Ctrl).substr(0, 1), "$");
    EXPECT_DOUBLE_EQ(z.s.human().money, 50);
    z.s.human().features = "[researchteam]";
    EXPECT_EQ(game.key(key::Backspace).substr(0, 19), "Report for Widget, ");
    EXPECT_DOUBLE_EQ(z.s.human().money, 50);
    EXPECT_EQ(game.key(key::Delete),
              "Hold Shift and press Delete to confirm selling these 12 "
              "items to a scrap dealer for $7.20.  This will free up "
              "space for you to buy new merchandise.");
    EXPECT_EQ(game.key(key::Delete, mod::Shift),
              "You have cleared out this aisle to be used for "
              "something else.  Your store now has $57.20.");
    EXPECT_EQ(aisle.item, 0);
    aisle.capacity = 90;
    EXPECT_EQ(game.key(key::Backspace),
              "Hold Shift and press Backspace to confirm this.  "
              "Rebuilding this section of the store will make it "
              "unusable for a few weeks.");
    EXPECT_EQ(game.key(key::Backspace, mod::Shift),
              "In a few weeks this aisle will be able to hold merchandise once again.");
    EXPECT_EQ(aisle.capacity, 100);
    aisle.item = 0;
    EXPECT_EQ(game.key(key::Backspace, mod::Shift),
              "It seems this aisle has been expanded as much as is possible.");
    aisle = Aisle{item, 0, 20, 3, 2, 5, 1};
    EXPECT_EQ(game.key(key::R), "Counter reset.");
    EXPECT_EQ(aisle.saledays, 0);
    // A sold-out aisle keeps its price for the next shipment, and its report offers plus and
    // minus; an aisle emptied for scrap keeps its counter, and its report offers R.
    EXPECT_EQ(game.key(key::Plus, mod::Shift), "$4.00 sale price for Widget.");
    aisle = Aisle{0, 0, 20, 4, 2, 5, 1};
    EXPECT_EQ(game.key(key::Plus).substr(0, 19), "Aisle #1 is empty b");
    EXPECT_EQ(game.key(key::R), "Counter reset.");
    EXPECT_EQ(aisle.sold, 0);
    aisle.item = -2;
    aisle.saledays = 3;
    EXPECT_EQ(game.key(key::R).substr(0, 32), "Aisle #1 is under construction. ");
    EXPECT_EQ(aisle.saledays, 3);
}

TEST(SupplierMenu, OrderSizesOffersThePurchaseAndTheWayBack) {
    StoreGame game;
    Zelvo& z = game.z;
    const int first = game.offered(1), second = game.offered(2);
    Item& it = z.s.item[second];
    it.name = "Widget";
    it.warehousestock = 90;
    Aisle& aisle = z.s.aisle[1][2];
    aisle = Aisle{second, 0, 20, 9.75, 3, 4, 1};
    z.s.human().money = 100000;
    game.at(9);
    game.take();
    game.press(key::Enter);
    EXPECT_EQ(z.s.ui.menu, menu::Supplier);
    EXPECT_EQ(z.s.ui.menuposition, 2);  // the aisle's former goods
    EXPECT_EQ(z.s.ui.orderamount, 20);
    EXPECT_EQ(game.key(key::Minus).substr(0, 14), "Buy 10 Widget ");
    EXPECT_EQ(game.key(key::Minus).substr(0, 14), "Buy 10 Widget ");
    EXPECT_EQ(game.key(key::Plus, mod::Alt).substr(0, 14), "Buy 20 Widget ");
    EXPECT_EQ(game.key(key::Plus).substr(0, 14), "Buy 20 Widget ");
    it.warehousestock = 7;
    EXPECT_EQ(game.key(key::Up).substr(0, 4), "Buy ");
    EXPECT_NE(game.key(key::Down).find("Buy 7 Widget for "), std::string::npos);
    EXPECT_NE(game.said(), "");
    game.press(key::Down);
    EXPECT_NE(game.key(key::Up).find(".  There are 7 available.  "), std::string::npos);
    it.warehousestock = 1;
    EXPECT_NE(game.key(key::R).find(".  There is only 1 available.  Press plus or minus"),
              std::string::npos);
    it.warehousestock = 0;
    EXPECT_EQ(game.key(key::Enter),
              "The warehouse is currently out of Widget.  Try coming back "
              "later after more have been manufactured.");
    it.warehousestock = 90;
    z.s.item[second].pricefactor = 1;
    z.s.item[second].baseprice = 3.125;  // 2.50 a unit for 20
    EXPECT_EQ(game.key(key::Enter),
              "Hold Shift and press Enter to confirm buying 20 Widget for $49.00.");
    z.s.human().money = 48.99;
    EXPECT_EQ(game.key(key::Enter, mod::Shift), "You cannot afford this.  Your store has $48.99.");
    z.s.human().money = 49;
    EXPECT_EQ(game.key(key::Enter, mod::Shift),
              "Purchase complete.  The warehouse delivers a shipment of goods to Zelvo.  Your "
              "employees are still using the same sale price that you used before.  You may "
              "wish to adjust that.");
    EXPECT_EQ(z.s.ui.menu, menu::Store);
    EXPECT_EQ(z.s.ui.menuposition, 9);
    EXPECT_DOUBLE_EQ(z.s.human().money, 0);
    EXPECT_DOUBLE_EQ(aisle.price, 9.75);
    EXPECT_EQ(aisle.stock, 20);

    aisle.stock = 0;
    game.press(key::Enter);
    EXPECT_EQ(z.s.ui.menu, menu::Supplier);
    game.take();
    game.press(key::Escape);
    EXPECT_EQ(game.take(), (std::vector<std::string>{
                               "say: Zelvo.", "sound: sounds/game/previous.wav 0 0",
                               "say: Aisle #1 is empty but can hold up to 20 items.  Press Enter "
                               "to place an order for more merchandise.  Press Backspace to "
                               "rearrange this space so that it can hold more items."}));
    EXPECT_EQ(z.s.ui.menuposition, 8);
    game.press(key::Down);
    game.press(key::Enter);
    game.z.s.ui.menuposition = 29;
    EXPECT_EQ(game.key(key::Enter, mod::Shift).substr(0, 8), "Aisle #1");
    EXPECT_EQ(z.s.ui.menu, menu::Store);
    (void)first;
}

}  // namespace
}  // namespace zelvo
