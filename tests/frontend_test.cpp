// The menus around the game, where a transcript cannot reach: fresh cursors, the Escape menu.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "state/menunumbers.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

const std::string kArrow = "sound: sounds/menu/arrows.wav 0 0";
const std::string kEnter = "sound: sounds/menu/enter.wav 0 0";
const std::string kBack = "sound: sounds/game/previous.wav 0 0";

TEST(MainMenu, AFreshCursorGoesToTheFirstOrTheLastItem) {
    const struct {
        int code;
        int position;
        Lines said;
    } cases[] = {
        {key::Up, 6, {kArrow, "say: Exit the game"}},
        {key::Escape, 6, {"say: Exit the game"}},
        {key::Down, 1, {kArrow, "say: New game"}},
        {key::Enter, 1, {kEnter, kArrow, "say: New game"}},
        {key::Plus, 6, {"say: Exit the game"}},
    };
    for (const auto& c : cases) {
        StartedGame game;
        game.press(c.code);
        EXPECT_EQ(game.z.s.ui.menuposition, c.position) << c.code;
        EXPECT_EQ(game.take(), c.said) << c.code;
    }
}

TEST(EscapeMenu, QuittingWantsAModifierWithEnter) {
    const std::string hint =
        "say: Hold Shift and press Enter to confirm quitting your current game.";
    const struct {
        int state;
        int menu;
        Lines said;
    } cases[] = {
        {0, menu::Escape, {kEnter, hint}},
        {mod::Shift, menu::Main, {kEnter, "say: Exit the game"}},
        {mod::Ctrl, menu::Main, {kEnter, "say: Exit the game"}},
        {mod::Alt, menu::Main, {kEnter, "say: Exit the game"}},
        {mod::Shift | mod::Ctrl, menu::Main, {kEnter, "say: Exit the game"}},
    };
    for (const auto& c : cases) {
        StartedGame game;
        game.z.s.ui.menu = menu::Escape;
        game.z.s.ui.menuposition = 1;
        game.z.s.human().money = 1234;
        game.press(key::Enter, c.state);
        EXPECT_EQ(game.z.s.ui.menu, c.menu) << c.state;
        EXPECT_EQ(game.take(), c.said) << c.state;
        EXPECT_EQ(game.z.s.human().money, 1234);  // quitting leaves the game as it was
    }
}

TEST(EscapeMenu, OpensOnItsLastItemAndGoesBackToTheStore) {
    StartedGame game;
    game.z.s.ui.menu = menu::Escape;
    game.z.s.ui.menuposition = 0;
    menus(game.z, -1, -1);
    EXPECT_EQ(game.take(), Lines{"say: Return to the game."});
    game.press(key::Down);
    game.press(key::Down);
    EXPECT_EQ(game.take(), (Lines{kArrow, "say: Quit current game and return to the main menu.",
                                  kArrow, "say: Save game."}));
    game.platform.queueAnswer("");
    game.press(key::Enter);
    EXPECT_EQ(game.take().back(), "say: Canceled.");
    game.press(key::Escape);
    EXPECT_EQ(game.z.s.ui.menu, menu::Store);
    // The Store menu comes back with no item chosen, so its announcement lands on its last.
    EXPECT_EQ(game.z.s.ui.menuposition, menuitems(game.z));
    EXPECT_EQ(game.take().front(), kBack);
}

TEST(SetupMenu, BeginGameStartsPausedInTheStoreMenu) {
    StartedGame game;
    game.z.s.ui.menu = menu::Setup;
    game.z.s.ui.menuposition = 0;
    game.z.s.clock.paused = 0;
    game.z.s.calendar = {17, 6, 3, 4};
    game.press(key::Up);
    game.press(key::Enter);
    EXPECT_EQ(game.z.s.ui.menu, menu::Store);
    EXPECT_EQ(game.z.s.clock.paused, 1);
    EXPECT_EQ(game.z.s.calendar.day, 1);
    EXPECT_EQ(game.z.s.calendar.year, 1);
    Lines said = game.take();
    ASSERT_EQ(said.size(), 3u);  // arrow, "Begin game.", the introduction: no enter click
    EXPECT_EQ(said[2].rfind("say: It has always been your dream", 0), 0u);
}

}  // namespace
}  // namespace zelvo
