// The soak test's own checks: each invariant notices the fault it stands for, and the script
// a run writes replays that run.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>

#include "app/runner.h"
#include "soak/invariants.h"
#include "soak/monkey.h"
#include "soak/soak.h"
#include "state/menunumbers.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using soak::Step;
using soak::Watch;

struct Breakage {
    const char* name;
    std::function<void(GameState&)> breakit;
    const char* found;  // a part of the fault's text
};

TEST(SoakInvariants, EachFaultIsFound) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Breakage cases[] = {
        {"an item too few carried",
         [](GameState& s) {
             for (int i = 1;; ++i)
                 if (s.item[i].carried == 1) {
                     s.item[i].carried = 0;
                     return;
                 }
         },
         "carries 27 items"},
        {"stock in an empty aisle",
         [](GameState& s) {
             s.aisle[1][1].item = 0;
             s.aisle[1][1].stock = 5;
         },
         "has stock 5 and item 0"},
        {"stock under construction",
         [](GameState& s) {
             s.aisle[3][2].item = -4;
             s.aisle[3][2].stock = 1;
         },
         "store 3 aisle 2 has stock 1 and item -4"},
        {"stock above capacity",
         [](GameState& s) {
             s.aisle[2][1].item = 1;
             s.aisle[2][1].stock = s.aisle[2][1].capacity + 1;
         },
         "above its capacity"},
        {"a hundred loans", [](GameState& s) { s.game.loancount = 100; }, "there are 100 loans"},
        {"too many items", [](GameState& s) { s.game.itemcount = 1000; }, "holds 1000 items"},
        {"eleven aisles", [](GameState& s) { s.store[4].aislecount = 11; }, "has 11 aisles"},
        {"more workers than the town has", [](GameState& s) { s.store[5].employees = 77; },
         "employ 101 people"},
        {"money not a number", [nan](GameState& s) { s.store[2].money = nan; }, "money is nan"},
        {"an infinite price", [inf](GameState& s) { s.aisle[1][3].price = inf; }, "price is inf"},
        {"an infinite wage", [inf](GameState& s) { s.store[1].wage = -inf; }, "wage is -inf"},
        {"a factor not a number", [nan](GameState& s) { s.item[7].pricefactor = nan; },
         "factor is nan"},
        {"the player's wage below the floor", [](GameState& s) { s.store[1].wage = 7; },
         "pays 7 an hour"},
        {"a cursor past the menu",
         [](GameState& s) {
             s.ui.menu = menu::Escape;
             s.ui.menuposition = 4;
         },
         "at 4 of 3"},
        {"no such menu", [](GameState& s) { s.ui.menu = 17; }, "which is no menu"},
        {"day 31", [](GameState& s) { s.calendar.day = 31; }, "the date is day 31"},
    };
    for (const auto& c : cases) {
        testing::StartedGame game;
        EXPECT_EQ("", soak::checkmoment(game.z)) << "a new game";
        c.breakit(game.z.s);
        EXPECT_NE(std::string::npos, soak::checkmoment(game.z).find(c.found))
            << c.name << ": " << soak::checkmoment(game.z);
    }
}

TEST(SoakInvariants, ChangesBetweenStepsAreFound) {
    const Breakage cases[] = {
        {"a unit lost from the warehouse",
         [](GameState& s) {
             for (int i = 1;; ++i)
                 if (s.item[i].carried == 1) {
                     s.item[i].warehousestock -= 1;
                     return;
                 }
         },
         "hold 2519 units, not 2520"},
        {"a store back from bankruptcy", [](GameState& s) { s.store[3].active = 1; },
         "store 3 left the game and is back in it"},
        {"goods the player never bought",
         [](GameState& s) {
             s.aisle[1][2].item = 5;
             s.aisle[1][2].stock = 10;
         },
         "aisle 2 gained 10 units of item 5 but bought 0"},
    };
    for (const auto& c : cases) {
        testing::StartedGame game;
        game.z.s.store[3].active = 0;
        Watch watch;
        EXPECT_EQ("", watch.check(game.z, Step::Replace));
        c.breakit(game.z.s);
        EXPECT_NE(std::string::npos, watch.check(game.z, Step::Play).find(c.found)) << c.name;
        // A new game or a loaded one starts the comparison afresh.
        c.breakit(game.z.s);
        EXPECT_EQ("", watch.check(game.z, Step::Replace)) << c.name;
    }
    testing::StartedGame game;
    Watch watch;
    watch.check(game.z, Step::Replace);
    game.z.s.aisle[1][2].item = 5;
    game.z.s.aisle[1][2].stock = 10;
    game.z.s.storeitem[1][5].bought += 10;
    EXPECT_EQ("", watch.check(game.z, Step::Play)) << "goods the player bought";
}

TEST(SoakInvariants, SpokenAmountsAreMoney) {
    const struct {
        const char* line;
        bool good;
    } cases[] = {
        {"say: Zelvo has $50,000.00.", true},
        {"say: Buy 20 Cigarettes for $125.40 ($6.27 each).", true},
        {"say: You cannot afford this.  Your store has minus $1,234,567.89.", true},
        {"say: Zelvo has $nan.", false},
        {"say: Zelvo has $inf.", false},
        {"say: Zelvo has $1e+308.", false},
        {"say: Zelvo has $5000.00.", false},
        {"say: Zelvo has $5,00.00.", false},
        {"say: Zelvo has $5.0.", false},
        {"say: Zelvo has minus $0.00.", false},
        {"say: You are currently worth $5.00.  Store has 4 aisles:0/20 - 6 of 6 workers at $7 "
         "per hour.  Bills=$800",
         true},
        {"sound: sounds/game/coins.wav 0 -2500", true},
        {"sound: sounds/game/coins.wav 0 nan", false},
        {"title: $ not money in a title", true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.good, soak::checkspoken(c.line).empty()) << c.line;
}

TEST(SoakMonkey, NeverLeavesTheProgram) {
    testing::StartedGame game;
    game.z.s.ui.menu = menu::Main;
    game.z.s.ui.menuposition = 6;
    for (const char* command : {"Enter", "Shift+Enter", "Alt+Enter", "key 13 0", "key 13 7"})
        EXPECT_TRUE(soak::wouldquit(game.z, command)) << command;
    EXPECT_FALSE(soak::wouldquit(game.z, "Down"));
    game.z.s.ui.menuposition = 5;
    EXPECT_FALSE(soak::wouldquit(game.z, "Enter"));
}

TEST(SoakRun, ItsScriptReplaysIt) {
    testing::TempFolder folder;
    soak::Options options;
    options.seed = 5;
    options.year = 2030;
    options.days = 120;
    options.folder = folder.path().string();
    const soak::Result result = soak::play(options);
    ASSERT_EQ("", result.fault);
    EXPECT_GE(result.days, 120);
    EXPECT_GE(result.games, 1);

    testing::StartedGame replay(true, {5, 2030});
    std::istringstream script(soak::replayscript(options, result));
    std::ostringstream errors;
    EXPECT_EQ(0, runscript(replay.z, replay.platform, script, errors)) << errors.str();
    EXPECT_EQ(result.state, soak::fingerprint(replay.z));
}

}  // namespace
}  // namespace zelvo
