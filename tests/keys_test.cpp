// The key handler: global keys, the credit sentence, the rate and the output switch.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "finance/loans.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(CreditRating, EachBandStartsJustAboveItsLowerBound) {
    const std::string good =
        ".  Maintaining a good credit rating will improve your interest rates on bank loans.";
    const std::string poor =
        ".  Having a poor credit rating will mean higher interest rates on bank loans.";
    const std::string dismal = ".  Money lenders wouldn't touch you with a 10 foot pole.";
    const struct {
        int rating;
        std::string text;
    } cases[] = {
        {800, "Your credit rating is an impressive 800" + good},
        {721, "Your credit rating is an impressive 721" + good},
        {720, "Your credit rating is 720, which is good" + good},
        {701, "Your credit rating is 701, which is good" + good},
        {700, "Your credit rating is 700" + good},
        {681, "Your credit rating is 681" + good},
        {680, "Your credit rating is 680, which is low" + poor},
        {641, "Your credit rating is 641, which is low" + poor},
        {640, "Your credit rating is 640, which is terrible" + poor},
        {601, "Your credit rating is 601, which is terrible" + poor},
        {600, "Your credit rating is a dismal 600" + dismal},
        {50, "Your credit rating is a dismal 50" + dismal},
    };
    for (const auto& c : cases) EXPECT_EQ(creditratingtext(c.rating), c.text) << c.rating;
}

TEST(GlobalKeys, MoneyDateAndCreditSpeakThePlayersFigures) {
    StartedGame game;
    game.z.s.human().money = -1234.5;
    game.z.s.human().storename = "Corner Shop";
    game.z.s.calendar = {12, 3, 2, 1};
    game.z.s.human().creditrating = 655;
    game.press(key::Z);
    game.press(key::X);
    game.press(key::C);
    EXPECT_EQ(game.take(), (Lines{"say: Corner Shop has minus $1,234.50.", "say: March 12, 2031.",
                                  "say: Your credit rating is 655, which is low.  Having a poor "
                                  "credit rating will mean higher interest rates on bank loans."}));
}

TEST(GlobalKeys, KeysThatNoRuleTakesDoNothing) {
    StartedGame game;
    for (int code : {-5, 0, 1, 65, 84, 112, 255, 70000}) game.press(code);
    game.press(key::Digit0 + 3);  // aisle keys only work in the store's menus
    game.press(key::Q);           // and so do the quick jumps
    game.press(key::Space);       // no pausing on the Main menu
    EXPECT_EQ(game.take(), Lines{});
    EXPECT_EQ(game.z.s.ui.menu, 1);
}

TEST(GlobalKeys, QuickJumpsOnlyFromTheStoresMenus) {
    StartedGame game;
    game.z.s.ui.menu = 8;
    game.z.s.ui.menuposition = 4;
    game.press(key::W);
    EXPECT_EQ(game.z.s.ui.menu, 7);
    EXPECT_EQ(game.z.s.ui.menuposition, 0);
    game.press(key::E);
    EXPECT_EQ(game.z.s.ui.menu, 9);
    game.press(key::Q);
    EXPECT_EQ(game.z.s.ui.menu, 6);
    EXPECT_EQ(game.take(), (Lines{"say: Construction", "say: Market research", "say: Loans"}));
}

TEST(GlobalKeys, DigitKeysSelectAnAisleTheStoreHas) {
    StartedGame game;
    GameState& s = game.z.s;
    s.ui.menu = 6;
    s.human().aislecount = 10;
    // Two live loans of the player, one paid off, one of a computer store.
    s.game.loancount = 4;
    s.loan[1] = {"Starter", 500, 0, 3, 5, 50, 1, 0, 0};
    s.loan[2] = {"Bank", 800, 0, 1, 5, 50, 1, 0, 0};
    s.loan[3] = {"Bank", 0, 0, 1, 5, 50, 1, 0, 0};
    s.loan[4] = {"Starter", 900, 0, 1, 5, 50, 1, 0, 0};
    game.press(key::Digit0 + 3);
    EXPECT_EQ(s.ui.menu, 5);
    EXPECT_EQ(s.ui.menuposition, 8 + 2 + 3 - 1);
    EXPECT_EQ(s.loan[1].borrower, 1);  // the loans were sorted first
    game.press(key::Digit0);           // 0 is aisle 10
    EXPECT_EQ(s.ui.menuposition, 8 + 2 + 10 - 1);
    s.human().aislecount = 4;
    game.press(key::Digit0 + 7);  // no aisle 7: nothing at all
    EXPECT_EQ(s.ui.menuposition, 8 + 2 + 10 - 1);
}

TEST(GlobalKeys, RateStaysWithinOneToTenAndIsKept) {
    StartedGame game;
    for (int i = 0; i < 9; ++i) game.press(key::PageUp);
    EXPECT_EQ(game.take().back(), "say: Sapi rate changed to 10.");
    EXPECT_EQ(game.z.s.ui.sapirate, 10);
    for (int i = 0; i < 12; ++i) game.press(key::PageDown);
    EXPECT_EQ(game.take().back(), "say: Sapi rate changed to 1.");
    EXPECT_EQ(game.folder.read("progress.ini").substr(0, 10), " 0 \r\n 1 \r\n");
}

TEST(Sortloans, MovesThePlayersLoansToTheFrontAndDropsPaidOffOnes) {
    StartedGame game;
    GameState& s = game.z.s;
    auto loan = [](const char* lender, double principal, int borrower) {
        Loan l;
        l.lender = lender;
        l.principal = principal;
        l.borrower = borrower;
        return l;
    };
    s.game.loancount = 4;
    s.loan[1] = loan("A", 100, 1);
    s.loan[2] = loan("D", 0, 4);  // paid off
    s.loan[3] = loan("C", 100, 2);
    s.loan[4] = loan("E", 100, 1);
    sortloans(game.z);
    ASSERT_EQ(s.game.loancount, 3);
    std::string order;
    for (int i = 1; i <= 3; ++i) order += s.loan[i].lender;
    // One backward pass: each of the player's loans jumps to the front as it is met.
    EXPECT_EQ(order, "AEC");

    // Two loans of the player, one of a rival, then a new loan of the player's.
    s.game.loancount = 4;
    s.loan[1] = loan("P", 100, 1);
    s.loan[2] = loan("Q", 100, 1);
    s.loan[3] = loan("R", 100, 5);
    s.loan[4] = loan("N", 100, 1);
    sortloans(game.z);
    ASSERT_EQ(s.game.loancount, 4);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.loan[i].borrower, 1) << i;
    EXPECT_EQ(s.loan[4].lender, "R");
}

TEST(GlobalKeys, SpacePausesOnlyInTheStoresMenus) {
    for (int number = 1; number <= 16; ++number) {
        StartedGame game;
        game.z.s.ui.menu = number;
        game.press(key::Space);
        const bool toggles = (number >= 5 && number <= 9) || number == 14;
        EXPECT_EQ(game.platform.dayTimerRunning(), toggles) << number;
        EXPECT_EQ(game.z.s.clock.paused, toggles ? 0 : 1) << number;
        game.press(key::Space, mod::Shift);  // Space with a modifier is no pause key
        EXPECT_EQ(game.platform.dayTimerRunning(), toggles) << number;
    }
}

}  // namespace
}  // namespace zelvo
