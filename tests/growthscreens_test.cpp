// Growing the store as the player hears it: the Loan menu and the loan items, the
// Construction menu, the Research menu and the Add-on menu.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "features/catalogue.h"
#include "finance/banks.h"
#include "finance/loans.h"
#include "state/menunumbers.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;

// A started game with the cursor of menu `number` at `position`, cash and rating set.
struct Growth : StartedGame {
    Growth() { take(); }
    std::string at(int number, int position) {
        take();
        entermenu(z, number, position);
        return said();
    }
    std::string key(int code, int state = 0) {
        take();
        press(code, state);
        return said();
    }
    std::string said() {
        heard = take();
        return lastsaid(heard);
    }
    // Whether the last key played the error sound.
    bool errorsound() const {
        for (const auto& line : heard)
            if (line.find("sounds/game/error.wav") != std::string::npos) return true;
        return false;
    }
    Store& human() { return z.s.human(); }
    std::vector<std::string> heard;
};

TEST(LoanMenu, OffersAcceptanceAndTheWayBack) {
    Growth g;
    g.human().creditrating = 730;
    g.z.s.calendar.day = 3;
    EXPECT_EQ(g.at(menu::Loan, 3),
              "Accept a $25,000.00 loan from Gold Tree bank, with an APR of 7.25%.  Monthly "
              "payments will be $505.00.");
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm accepting this $25,000.00 loan.");
    const double cash = g.human().money;
    EXPECT_EQ(g.key(key::Enter, mod::Shift),
              "The bank has issued you a new loan.  Payments will be due on the 3rd of each "
              "month.");
    EXPECT_EQ(g.human().creditrating, 705);
    EXPECT_DOUBLE_EQ(g.human().money, cash + 25000);
    EXPECT_EQ(g.z.s.ui.menu, menu::Store);
    EXPECT_EQ(g.z.s.ui.menuposition, 3);
    EXPECT_EQ(liveloans(g.z), 2);
    // The same bank now remembers the loan; a rating of 500 still hears that answer first.
    g.human().creditrating = 500;
    EXPECT_EQ(g.at(menu::Loan, 3),
              "Because you already have a loan with Gold Tree bank, they are not offering you any "
              "new loan options.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "(nothing)");
    EXPECT_EQ(g.at(menu::Loan, 2),
              "Based on your credit rating, the Green lane bank is not offering you any loan "
              "options.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "(nothing)");
    EXPECT_EQ(g.at(menu::Loan, 7), "Previous menu");
    g.press(key::Enter);
    EXPECT_EQ(g.z.s.ui.menu, menu::Store);
    EXPECT_EQ(g.z.s.ui.menuposition, 3);
}

TEST(LoanMenu, AFullLoanListRefusesAndKeepsEveryRecord) {
    Growth g;
    g.z.s.game.loancount = kMaxLoans;
    for (int i = 2; i <= kMaxLoans; ++i) g.z.s.loan[i] = Loan{"Starter", 10, 0, 3, 2.5, 1, 1, 0, 0};
    const double cash = g.human().money;
    g.at(menu::Loan, 1);
    EXPECT_EQ(g.key(key::Enter, mod::Shift),
              "The banks are not opening any new loans right now.  Try again once some loans "
              "have been paid off.");
    EXPECT_EQ(g.z.s.game.loancount, kMaxLoans);
    EXPECT_DOUBLE_EQ(g.human().money, cash);
    EXPECT_EQ(g.z.s.ui.menu, menu::Loan);
}

TEST(LoanItems, ExtraPaymentsTakeOnlyWhatWasTypedAndCatchingUpPaysTheLateMonths) {
    const char* const kNotAnAmount =
        "That is not an amount.  Type a whole number of dollars, such as 500.";
    struct Case {
        const char* typed;
        const char* answer;
        double paid;
    } cases[] = {
        {"250.75", "You have paid $250.00 toward this loan.", 250},
        {"0.5", "Canceled.", 0},
        {"", "Canceled.", 0},
        {"   ", "Canceled.", 0},
        {"-5", "Canceled.", 0},
        {"abc", kNotAnAmount, 0},
        {"12abc", kNotAnAmount, 0},
        {"1e9", kNotAnAmount, 0},
        {"1 000", kNotAnAmount, 0},
        {"nan", kNotAnAmount, 0},
        {"$", kNotAnAmount, 0},
        {"1,00", kNotAnAmount, 0},
        {",100", kNotAnAmount, 0},
        {"1000,000", kNotAnAmount, 0},
        {"$-5", kNotAnAmount, 0},
        {" 40 ", "You have paid $40.00 toward this loan.", 40},
        {"$45", "You have paid $45.00 toward this loan.", 45},
        {"$99.99", "You have paid $99.00 toward this loan.", 99},
        {"+$7", "You have paid $7.00 toward this loan.", 7},
        {"900", "You do not have that much.", 0},
        {"99999999999999999999999999", "You do not have that much.", 0},
        {"600", "You have paid $520.00 and completely paid off this loan!", 520},
        {"$1,000", "You do not have that much.", 0},  // read as 1000, not 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Growth g;
        g.z.s.loan[1] = Loan{"Starter", 500, 20, 1, 2.5, 669, 1, 0, 0};
        g.human().money = 800;
        g.platform.queueAnswer(c.typed);
        g.at(menu::Store, 5);
        EXPECT_EQ(g.key(key::Enter), c.answer);
        EXPECT_DOUBLE_EQ(g.human().money, 800 - c.paid);
        EXPECT_DOUBLE_EQ(g.human().loanpaid, c.paid);
    }
    // A paid-off loan is sorted behind the live ones at once; the cursor stands one place before
    // it.
    Growth g;
    g.z.s.game.loancount = 2;
    g.z.s.loan[1] = Loan{"Starter", 100, 0, 1, 2.5, 669, 1, 0, 0};
    g.z.s.loan[2] = Loan{"Parkside bank", 5000, 0, 1, 8.5, 103, 5, 0, 0};
    g.platform.queueAnswer("100");
    g.at(menu::Store, 5);
    EXPECT_EQ(g.key(key::Enter), "You have paid $100.00 and completely paid off this loan!");
    EXPECT_EQ(liveloans(g.z), 1);
    EXPECT_EQ(g.z.s.loan[1].lender, "Parkside bank");
    EXPECT_EQ(g.z.s.ui.menuposition, 4);
    EXPECT_EQ(g.key(key::Down).rfind("Parkside bank 8.5% APR", 0), 0u);
    // Two months late on 305 with 600 in cash, then with enough.
    g.z.s.loan[1] = Loan{"Green lane bank", 15000, 90, 1, 8, 305, 5, 2, 0};
    g.human().money = 600;
    EXPECT_EQ(g.key(key::Enter),
              "You do not have $610.00 needed to catch up on this loan payment.");
    g.human().money = 1000;
    EXPECT_EQ(g.key(key::Enter),
              "You have paid $610.00 to catch up on this loan payment.  Your store has $390.00 "
              "left.");
    EXPECT_DOUBLE_EQ(g.z.s.loan[1].principal, 15000 - 520);
    EXPECT_DOUBLE_EQ(g.z.s.loan[1].interest, 0);
    EXPECT_EQ(g.z.s.loan[1].monthslate, 0);
}

TEST(ConstructionMenu, OffersBySizeAsksForShiftFirstAndBuilds) {
    Growth g;
    Store& store = g.human();
    store.aislecount = 8;
    EXPECT_EQ(g.at(menu::Construction, 1).rfind("Expand your store to add 1 additional aisle", 0),
              0u);
    EXPECT_EQ(g.at(menu::Construction, 3),
              "Your " + store.storename + " store can not be expanded to hold 3 more aisles.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "(nothing)");
    store.aislecount = 10;
    EXPECT_EQ(g.at(menu::Construction, 1),
              "Your " + store.storename + " store can not be expanded to hold another aisle.");
    store.aislecount = 4;
    EXPECT_EQ(g.at(menu::Construction, 2),
              "Expand your store to add 2 additional aisles for $45,000.00.  Construction is "
              "expected to last about 30 days, and your increased building size will raise your "
              "monthly bills by $180.00.");
    store.money = 100;
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm this construction project.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "You cannot afford this.  Your store has $100.00.");
    EXPECT_TRUE(g.errorsound());
    store.money = 45000;
    const double bills = store.monthlybills;
    EXPECT_EQ(g.key(key::Enter, mod::Shift),
              "The construction crew begins working on your new addition.");
    EXPECT_EQ(store.aislecount, 6);
    EXPECT_DOUBLE_EQ(store.money, 0);
    EXPECT_DOUBLE_EQ(store.monthlybills, bills + 300);
    EXPECT_EQ(g.z.s.ui.menu, menu::Store);
    EXPECT_EQ(g.z.s.ui.menuposition, 6 + liveloans(g.z));
    EXPECT_EQ(g.at(menu::Store, 7 + liveloans(g.z) + 6),
              "Aisle #6 is under construction.  It is expected to be complete in about 30 days.");
}

TEST(ResearchMenu, CheckOutReportCoversAtMostThirtyDays) {
    Growth g;
    Calendar& c = g.z.s.calendar;
    c = Calendar{};
    c.day = 1, c.month = 1, c.year = 1;
    EXPECT_EQ(g.at(menu::Research, 1), "There is no check-out data yet.");
    c.day = 2;
    g.human().crowdhistory[1] = 1;
    EXPECT_EQ(g.at(menu::Research, 1),
              "Yesterday customers left the store to avoid crowded check-out lines.  You may need "
              "more employees.  Hiring more employees allow your customers to move through the "
              "check-out lines faster, and they help keep the store organized while people shop.");
    c.day = 16, c.month = 2;  // 45 days in
    g.human().crowdhistory[1] = 0;
    EXPECT_EQ(g.at(menu::Research, 1),
              "In the past 30 days, everything ran smoothly in the check-out lines.  It is "
              "possible that you have more employees than you really need.  Firing a few of them "
              "might reduce costs without affecting your sales.");
    g.human().crowdhistory[30] = 1;
    g.human().crowdhistory[4] = 1;
    EXPECT_EQ(g.at(menu::Research, 1)
                  .rfind("Of the past 30 days, there were 2 days when customers left", 0),
              0u);
    g.human().creditrating = 730;
    EXPECT_EQ(g.at(menu::Research, 2), creditratingtext(730));
}

TEST(ResearchMenu, RivalReportsCostTheirAislesSquaredAndListTheGoods) {
    Growth g;
    Store& rival = g.z.s.store[2];
    rival.aislecount = 6;
    for (int a = 1; a <= 6; ++a) g.z.s.aisle[2][a] = Aisle{};
    for (int a = 1; a <= 3; ++a) {
        g.z.s.aisle[2][a].item = a;
        g.z.s.aisle[2][a].stock = 5;
        g.z.s.aisle[2][a].price = 2;
    }
    g.z.s.aisle[2][4].item = 4;  // sold out: not listed
    g.z.s.aisle[2][5].item = -3;
    g.z.s.aisle[2][6].item = -3;
    g.human().money = 700;
    EXPECT_EQ(g.at(menu::Research, 3), "Send your team to find out what " + rival.storename +
                                           " is selling.  This will cost you $720.00.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "You cannot afford this.  Your store has $700.00.");
    g.human().money = 1000;
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm spending $720.00 on your research team.");
    const std::string report = g.key(key::Enter, mod::Shift);
    EXPECT_DOUBLE_EQ(g.human().money, 280);
    EXPECT_DOUBLE_EQ(g.human().researchspent, 720);
    const auto& item = g.z.s.item;
    EXPECT_EQ(report.rfind(rival.storename + " is selling " + item[1].name + " for $2.00($", 0),
              0u);
    EXPECT_NE(report.find(" at warehouse), " + item[2].name + " for $2.00($"), std::string::npos);
    EXPECT_NE(report.find(" at warehouse), and " + item[3].name), std::string::npos);
    EXPECT_NE(report.find(" at warehouse).  They also have 2 aisles under construction."),
              std::string::npos);
    // With the team it is free, and Enter speaks the report at once.
    g.human().features = tag::ResearchTeam;
    EXPECT_EQ(g.at(menu::Research, 3),
              "Send your team to find out what " + rival.storename + " is selling.");
    EXPECT_EQ(g.key(key::Enter), report);
    EXPECT_DOUBLE_EQ(g.human().money, 280);
    g.z.s.store[3].active = 0;
    EXPECT_EQ(g.at(menu::Research, 4),
              g.z.s.store[3].storename + " went out of business.  One less rival to worry about.");
}

TEST(ResearchMenu, PriceAdviceCostsTwentyFivePerAisleWithGoodsAndGivesAVerdictEach) {
    Growth g;
    Store& store = g.human();
    EXPECT_EQ(g.at(menu::Research, 7),
              "You team can not yet give you general advice about your store's prices.");
    EXPECT_EQ(g.key(key::Enter),
              "You team can not yet give you general advice about your store's prices.");
    for (int a = 1; a <= 4; ++a) {
        g.z.s.aisle[1][a] = Aisle{};
        g.z.s.aisle[1][a].item = a;
        g.z.s.aisle[1][a].stock = a == 4 ? 0 : 5;
        g.z.s.aisle[1][a].price = a == 1 ? 0 : a == 2 ? 1e6 : 1;
    }
    EXPECT_EQ(g.at(menu::Research, 7),
              "Pay $100.00 to get general advice about your store's prices.");
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm spending $100.00 on general advice.");
    const double cash = store.money;
    const std::string advice = g.key(key::Enter, mod::Shift);
    EXPECT_DOUBLE_EQ(store.money, cash - 100);
    const auto& item = g.z.s.item;
    EXPECT_EQ(advice.rfind("Our research team just talked to 5 random customers about your "
                           "prices.  They believe " +
                               item[1].name + " is too cheap, " + item[2].name +
                               " is too expensive, " + item[3].name,
                           0),
              0u);
    EXPECT_NE(advice.find(", and " + item[4].name + " is "), std::string::npos);
    EXPECT_NE(advice.find(".  Keep in mind that not all customers will agree with these 5."),
              std::string::npos);
}

TEST(AddonMenu, PurchasesAskForAModifierAndInsuranceClimbsALevelAtATime) {
    Growth g;
    Store& store = g.human();
    store.features.clear();
    store.money = 5000;
    EXPECT_EQ(g.at(menu::Addon, 13),
              "Store security guards.  Press Enter to hire these for $50.00($600.00added to "
              "bills).  There are always people who feel they can take whatever they want.  "
              "Security guards will help prevent shop lifters from stealing your merchandise.  "
              "Security guards also help prevent robberies.");
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm spending $50.00 now, and "
              "$600.00 per month on this extra store feature.");
    EXPECT_EQ(g.key(key::Enter, mod::Ctrl), "You have hired store security guards.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "(nothing)");
    EXPECT_EQ(g.at(menu::Addon, 13), "Your store has security guards.");
    EXPECT_EQ(g.at(menu::Addon, 1),
              "Extra shopping carts.  Press Enter to buy these for "
              "$1,000.00.  Customers hate searching for an available cart "
              "out in the parking lot.  Buying extras means you will always "
              "have plenty of carts waiting for them at the entrance.  It is "
              "an extra incentive that helps customers keep coming back to "
              "your store rather than taking their business elsewhere.");
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm spending $1,000.00 on this extra store "
              "feature.");
    g.at(menu::Addon, 7);
    EXPECT_EQ(g.key(key::Enter),
              "Hold Shift and press Enter to confirm spending $800.00 per "
              "month on this extra store feature.");
    const double bills = store.monthlybills;
    for (const char* bought : {"You have purchased Basic insurance for your store.",
                               "You have upgraded your store insurance to Standard."}) {
        g.at(menu::Addon, 19);
        EXPECT_EQ(g.key(key::Enter, mod::Shift), bought);
    }
    EXPECT_EQ(g.at(menu::Addon, 19).rfind("Your store has Standard insurance.  Press Enter", 0),
              0u);
    EXPECT_EQ(store.features, std::string(tag::Security) + tag::Insurance2);
    EXPECT_DOUBLE_EQ(store.monthlybills, bills + 2000);
    g.key(key::Enter, mod::Alt);
    EXPECT_EQ(g.at(menu::Addon, 19), "Your store has Full coverage insurance.");
    EXPECT_EQ(g.key(key::Enter, mod::Shift), "(nothing)");
    EXPECT_EQ(featurecount(store), 2);
    store.money = -1;
    g.at(menu::Addon, 7);
    EXPECT_EQ(g.key(key::Enter), "You cannot afford this.  Your store has minus $1.00.");
    EXPECT_TRUE(g.errorsound());
    EXPECT_EQ(g.at(menu::Addon, 20), "Previous menu");
    g.press(key::Escape);
    EXPECT_EQ(g.z.s.ui.menu, menu::Store);
    EXPECT_EQ(g.z.s.ui.menuposition, 3);
}

}  // namespace
}  // namespace zelvo
