// The cursor rules every menu shares.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "finance/loans.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;

TEST(Cycleme, MovesWrapsAndStops) {
    const struct {
        int from, code, items, flock, to;
        bool click;
    } cases[] = {
        // A menu just entered (0): Down is the first item; Up, Enter and the announcement
        // call are the last when wrapping.
        {0, key::Down, 5, 0, 1, true},
        {0, key::Up, 5, 0, 5, true},
        {0, key::Enter, 5, 0, 5, false},
        {0, -1, 5, 0, 5, false},
        {0, key::Right, 5, 0, 1, true},
        {0, key::Left, 5, 0, 5, true},
        // Wrapping at both ends.
        {5, key::Down, 5, 0, 1, true},
        {1, key::Up, 5, 0, 5, true},
        {3, key::Down, 5, 0, 4, true},
        // Stopping at both ends; the click sounds all the same.
        {5, key::Down, 5, 1, 5, true},
        {1, key::Up, 5, 1, 1, true},
        {0, -1, 5, 1, 1, false},
        {0, key::Up, 5, 1, 1, true},
        // 99 is the last item, whatever the mode.
        {99, -1, 7, 0, 7, false},
        {99, key::Enter, 7, 1, 7, false},
        // Any other mode leaves the position as the key moved it.
        {0, key::Up, 5, 2, -1, true},
        {5, key::Down, 5, 2, 6, true},
    };
    for (const auto& c : cases) {
        StartedGame game;
        game.z.s.ui.menuposition = c.from;
        cycleme(game.z, c.code, 0, c.items, c.flock);
        EXPECT_EQ(game.z.s.ui.menuposition, c.to)
            << "from " << c.from << " key " << c.code << " mode " << c.flock;
        std::vector<std::string> expected;
        if (c.click) expected.push_back("sound: sounds/menu/arrows.wav 0 0");
        EXPECT_EQ(game.take(), expected) << "from " << c.from << " key " << c.code;
    }
}

TEST(Menus, LiveLoansCountOnlyThePlayersUnpaidLoans) {
    StartedGame game;
    GameState& s = game.z.s;
    s.game.loancount = 4;
    s.loan[1].borrower = 1, s.loan[1].principal = 100;
    s.loan[2].borrower = 1, s.loan[2].principal = 0, s.loan[2].interest = 0.01;
    s.loan[3].borrower = 1, s.loan[3].principal = 50, s.loan[3].interest = -50;
    s.loan[4].borrower = 2, s.loan[4].principal = 100;
    s.loan[5].borrower = 1, s.loan[5].principal = 100;  // beyond the count
    EXPECT_EQ(liveloans(game.z), 2);
}

TEST(Menus, EnterClicksFirstInEveryMenuButSetup) {
    const std::string click = "sound: sounds/menu/enter.wav 0 0";
    StartedGame game;
    game.z.s.ui.menu = 3;
    game.z.s.ui.menuposition = 2;
    menus(game.z, key::Enter, 0);
    auto lines = game.take();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], click);
    game.z.s.ui.menu = 2;
    game.z.s.ui.menuposition = 3;
    menus(game.z, key::Enter, 0);
    EXPECT_EQ(game.take(), std::vector<std::string>{"say: Difficulty changed to Normal mode."});
}

}  // namespace
}  // namespace zelvo
