// Statements, the yearly tax, bankruptcies and the end screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/keys.h"
#include "finance/loans.h"
#include "reports/gameend.h"
#include "reports/statement.h"
#include "state/menunumbers.h"
#include "store/aisles.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(Ending, OrdinalSuffixes) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1st"},     {"2", "2nd"},   {"3", "3rd"},   {"4", "4th"},   {"11", "11th"},
        {"12", "12th"},   {"13", "13th"}, {"21", "21st"}, {"22", "22nd"}, {"23", "23rd"},
        {"111", "111st"}, {"10", "10th"}, {"", ""},       {"x", ""},
    };
    for (const auto& [number, text] : cases) EXPECT_EQ(ending(number), text) << number;
}

TEST(YearlyTax, TakesAFifthOfEveryActiveStoresCash) {
    StartedGame game;
    GameState& s = game.z.s;
    s.store[1].money = 12345.67;
    s.store[2].money = -1000;
    s.store[3].money = 5000;
    s.store[3].active = 0;
    yearlytax(game.z);
    EXPECT_DOUBLE_EQ(s.store[1].money, 9876.54);
    EXPECT_DOUBLE_EQ(s.store[2].money, -800);
    EXPECT_DOUBLE_EQ(s.store[3].money, 5000);
}

TEST(Worth, CashLessWhatTheLoansOwe) {
    StartedGame game;
    GameState& s = game.z.s;
    s.game.loancount = 2;
    s.loan[1] = {"Bank", 8000, 100, 2, 5, 100, 1, 0, 0};
    s.loan[2] = {"Bank", 9999, 0, 3, 5, 100, 1, 0, 0};
    s.store[2].money = 5000;
    EXPECT_DOUBLE_EQ(worth(game.z, 2), -3100);
}

// A started game in March of year 2, with figures set by hand.
struct StatementGame {
    StatementGame() {
        GameState& s = game.z.s;
        s.calendar = {30, 2, 2, 1};
        s.game.loancount = 0;
        for (int p = 1; p <= 5; ++p) s.store[p].money = 1000;
        s.store[4].active = 0;
        Store& me = s.human();
        me.monthstartmoney = 1000;
        me.wagespaid = 1740;
        me.billspaid = 800;
        for (int i = 1; i <= s.game.itemcount; ++i) s.storeitem[1][i] = StoreItem{};
        game.take();
    }
    StartedGame game;
};

TEST(Statement, AMonthWithNoSalesEndingWhereItBegan) {
    StatementGame month;
    const Lines lines = statementlines(month.game.z);
    EXPECT_EQ(lines, (Lines{
                         "Monthly financial statement for February, 2031.  A file named February "
                         "2031 statement.txt has been created to let you view this information "
                         "more easily.",
                         "You are currently worth $1,000.00, once loan debt is factored in.",
                         "Kai Mart owner Dorrin is currently worth $1,000.00, once loan debt is "
                         "factored in.",
                         "Neptco owner Dezerudi is currently worth $1,000.00, once loan debt is "
                         "factored in.",
                         "Monkey Barn is bankrupt, and out of the game.",
                         "White Divils owner Vozir is currently worth $1,000.00, once loan debt "
                         "is factored in.",
                         "You began February with $1,000.00 and ended with $1,000.00, for a net "
                         "loss of $0.00.",
                         "You spent $1,740.00 on employee wages.",
                         "You spent $800.00 on monthly bills, such as utilities and extra store "
                         "services.",
                         "You sold a total of 0 items, for a profit of $0.00.",
                     }));
}

TEST(Statement, ItemsExtrasAndTheft) {
    StatementGame month;
    GameState& s = month.game.z.s;
    s.human().money = 1500;
    s.human().loanpaid = 669;
    s.human().loaninterest = 208.33;
    s.human().medicalspent = 2500;
    StoreItem& loss = s.storeitem[1][3];
    loss = {4, 20, 1, -1.5, 2, 5};
    StoreItem& unsold = s.storeitem[1][5];
    unsold = {10, 80, 0, 0, 0, 0};  // bought but not sold: not reported
    StoreItem& good = s.storeitem[1][6];
    good = {0, 0, 3, 12.25, 1, 4};
    const Lines lines = statementlines(month.game.z);
    const Lines tail(lines.begin() + 6, lines.end());
    EXPECT_EQ(tail, (Lines{
                        "You began February with $1,000.00 and ended with $1,500.00, for a net "
                        "gain of $500.00.",
                        "You spent $1,740.00 on employee wages.",
                        "You spent $800.00 on monthly bills, such as utilities and extra store "
                        "services.",
                        "You spent $669.00 on loan payments.  Your loans generated $208.33 "
                        "interest.",
                        "You spent $2,500.00 on lawsuits and medical expenses.",
                        "You spent $20.00 on 4 AA batteries.",
                        "You sold 1 AA batteries for a loss of $1.50.  2 were stolen by "
                        "shoplifters, for a loss of $5.00.",
                        "You sold 3 Grue's adventures for a profit of $12.25.  1 was stolen by "
                        "shoplifters, for a loss of $4.00.",
                        "You sold a total of 4 items, for a profit of $10.75.",
                        "Shoplifters stole 3 total items, costing your store $9.00.",
                    }));
}

TEST(Statement, SumsThatComeToNothingInCentsAreNeitherGainNorProfit) {
    StatementGame month;
    GameState& s = month.game.z.s;
    s.human().monthstartmoney = 0.3;
    s.human().money = 0.1 + 0.2;  // a hair above 0.3
    s.storeitem[1][3] = {0, 0, 1, 0.30, 0, 0};
    s.storeitem[1][5] = {0, 0, 1, -0.10, 0, 0};
    s.storeitem[1][6] = {0, 0, 1, -0.20, 0, 0};            // the three sum to a hair below 0
    s.storeitem[1][7] = {0, 0, 3, 0.1 + 0.2 - 0.3, 0, 0};  // a hair above 0
    s.storeitem[1][8] = {0, 0, 0, 0.3 - 0.1 - 0.2, 0, 0};  // nothing sold, nothing made
    const Lines lines = statementlines(month.game.z);
    const Lines tail(lines.begin() + 6, lines.end());
    EXPECT_EQ(tail, (Lines{
                        "You began February with $0.30 and ended with $0.30, for a net loss of "
                        "$0.00.",
                        "You spent $1,740.00 on employee wages.",
                        "You spent $800.00 on monthly bills, such as utilities and extra store "
                        "services.",
                        "You sold 1 AA batteries for a profit of $0.30.",
                        "You sold 1 " + s.item[5].name + " for a loss of $0.10.",
                        "You sold 1 " + s.item[6].name + " for a loss of $0.20.",
                        "You sold 3 " + s.item[7].name + " for a profit of $0.00.",
                        "You sold a total of 6 items, for a profit of $0.00.",
                    }));
}

TEST(Statement, DecemberTitleAndTheFileBesideTheGame) {
    StatementGame month;
    GameState& s = month.game.z.s;
    s.calendar = {30, 12, 1, 1};
    monthlystatement(month.game.z);
    EXPECT_EQ(s.ui.menu, menu::Statement);
    EXPECT_EQ(s.ui.menuposition, 1);
    const Lines said = month.game.take();
    EXPECT_EQ(said[0], "sound: sounds/game/statement.wav 0 0");
    EXPECT_EQ(said[1],
              "say: End of year financial statement for 2030(year 1).  All players have been "
              "charged taxes equal to 20% of their current funds.");
    const std::string file = month.game.folder.read("December 2030 statement.txt");
    EXPECT_EQ(file.substr(0, 40), "End of year financial statement for 2030");
    EXPECT_EQ(file.substr(file.size() - 5), ".\r\n\r\n");  // every line, then an empty one

    // Return to game. with the reminder, and Enter back to the Store menu.
    month.game.press(key::Escape);
    EXPECT_EQ(month.game.take().back(),
              "say: Return to game.  You have 4 years left to grow your empire.");
    month.game.press(key::Enter);
    EXPECT_EQ(s.ui.menu, menu::Store);
    EXPECT_EQ(s.ui.menuposition, 1);
}

TEST(Statement, TheFifthDecemberLeadsToTheFinalMenu) {
    StatementGame month;
    month.game.z.s.calendar = {30, 12, 5, 1};
    monthlystatement(month.game.z);
    EXPECT_EQ(month.game.z.s.ui.menu, menu::Final);
    EXPECT_EQ(month.game.take().back(),
              "say: You have survived all 5 years!  As a final slap, every play was charged "
              "their yearly 20% tax.");
}

// The system's own reason is told, in POSIX's words here.
#ifndef _WIN32
TEST(Statement, AFileThatCannotBeWrittenIsToldAndTheMenuWorks) {
    const struct {
        int month;
        const char* file;
        const char* title;
    } cases[] = {
        {2, "February 2031 statement.txt",
         "Monthly financial statement for February, 2031.  The file February 2031 "
         "statement.txt could not be written: Is a directory."},
        {3, "March 2031 statement.txt",
         "First quarterly financial statement of 2031.  The file March 2031 statement.txt "
         "could not be written: Is a directory."},
    };
    for (const auto& c : cases) {
        StatementGame month;
        month.game.z.s.calendar.month = c.month;
        // A folder where the file should go: nothing can be written over it.
        std::filesystem::create_directory(month.game.folder.file(c.file));
        monthlystatement(month.game.z);
        EXPECT_EQ(month.game.z.s.ui.menu, menu::Statement);
        EXPECT_EQ(month.game.take().back(), std::string("say: ") + c.title);
        EXPECT_TRUE(std::filesystem::is_directory(month.game.folder.file(c.file)));
        EXPECT_NE(month.game.folder.read("debuglog.txt").find("error in monthlystatement: "),
                  std::string::npos);
        month.game.press(key::Down);
        EXPECT_EQ(month.game.take().back(),
                  "say: You are currently worth $1,000.00, once loan debt is factored in.");
    }
}
#endif

TEST(Statement, AReminderForEveryMonthOfTheGame) {
    const struct {
        int month, year;
        const char* reminder;
    } cases[] = {
        {1, 1, "  You have more than 4 years left to grow your empire."},
        {11, 4, "  You have more than 1 year left to grow your empire."},
        {6, 5, "  You have less than 1 year left to grow your empire!"},
        {12, 3, "  You have 2 years left to grow your empire."},
        {12, 4, "  You have only 1 year left to grow your empire."},
    };
    for (const auto& c : cases) {
        StatementGame month;
        month.game.z.s.calendar = {30, c.month, c.year, 1};
        monthlystatement(month.game.z);
        month.game.take();
        month.game.press(key::Up);
        EXPECT_EQ(month.game.take().back(), std::string("say: Return to game.") + c.reminder);
    }
}

TEST(GameEnd, BankruptOnDay30TheLostMenuStaysTheEnd) {
    StartedGame game;
    GameState& s = game.z.s;
    s.calendar = {30, 4, 1, 1};
    lost(game.z);
    EXPECT_EQ(s.ui.menu, menu::Lost);
    monthlystatement(game.z);  // the same day's statement follows
    EXPECT_EQ(s.ui.menu, menu::Lost);
    const std::vector<std::string> heard = game.take();
    const std::string seized =
        "say: With too many unpaid bills, the bank has seized your property on April 30, "
        "2030.  Enjoy bankruptcy Player!  Game over.";
    EXPECT_EQ(std::count(heard.begin(), heard.end(), seized), 1);  // said once, not again after
    EXPECT_EQ(heard.back(), "sound: sounds/game/statement.wav 0 0");
    game.press(key::Up);  // the last item leads out to the main menu, never back
    EXPECT_EQ(game.take().back(), "say: Return to the main menu");
    game.press(key::Enter);
    EXPECT_EQ(s.ui.menu, menu::Main);
}

TEST(GameEnd, TheJobsSentenceFollowsTheFate) {
    const struct {
        int employees;
        const char* jobs;
    } cases[] = {
        {0, ""},
        {1, "The 1 person who was working at Monkey Barn has found himself without a job."},
        {7, "The 7 people who were working at Monkey Barn have found themselves without jobs."},
    };
    for (const auto& c : cases) {
        StartedGame game;
        game.z.s.store[4].employees = c.employees;
        AIlost(game.z, 4);
        EXPECT_EQ(game.take(),
                  (Lines{"sound: sounds/game/pause.wav 0 0", "sound: sounds/game/award.wav 0 0",
                         std::string("say: Falling too behind on its bills, Monkey "
                                     "Barn went bankrupt.  The store owner Vavudez "
                                     "couldn't stand the idea of failure, and jumped "
                                     "off of a tall building.") +
                             c.jobs}));
        EXPECT_EQ(game.z.s.store[4].active, 0);
        AIlost(game.z, 4);  // only once
        EXPECT_EQ(game.take(), Lines{});
    }
}

TEST(GameEnd, InDebugModeThePlayerCannotLose) {
    StartedGame game;
    game.z.s.game.debugmode = 1;
    lost(game.z);
    EXPECT_EQ(game.z.s.ui.menu, menu::Main);
}

TEST(GameEnd, TheFinalRankingGivesEqualWorthToTheLaterSlot) {
    StartedGame game;
    GameState& s = game.z.s;
    s.game.loancount = 0;
    const double money[] = {0, 5000, 7000, 5000, -20000000, 7000};
    for (int p = 1; p <= 5; ++p) s.store[p].money = money[p];
    s.store[3].active = 0;
    entermenu(game.z, menu::Final, 1);
    game.take();
    Lines places;
    for (int i = 0; i < 5; ++i) {
        game.press(key::Down);
        places.push_back(game.take().back());
    }
    // Slots 2 and 5 are level at 7,000, and 1 and 3 at 5,000: the later slot ranks higher,
    // whether or not it is still in the game.
    EXPECT_EQ(places, (Lines{
                          "say: White Divils was in 1st place.  Store owner Vozir is currently "
                          "worth $7,000.00, once loan debt is factored in.",
                          "say: Kai Mart was in 2nd place.  Store owner Dorrin is currently worth "
                          "$7,000.00, once loan debt is factored in.",
                          "say: Neptco was in 3rd place.  Neptco went bankrupt before making it "
                          "this far.",
                          "say: Zelvo was in 4th place.  You are currently worth $5,000.00, once "
                          "loan debt is factored in.",
                          "say: Monkey Barn was in 5th place.  Store owner Vavudez is currently "
                          "worth minus $20,000,000.00, once loan debt is factored in.",
                      }));
}

}  // namespace
}  // namespace zelvo
