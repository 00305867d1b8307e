// Walks every menu of the menu table on a running game: each position speaks, and the
// cursor wraps (or stops) at the ends as the menu's row says.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "game/menutable.h"
#include "reports/statement.h"
#include "setup/newgame.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;

// The last text spoken among the lines, or nothing when none was.
std::optional<std::string> lastsaid(const std::vector<std::string>& lines) {
    std::optional<std::string> said;
    for (const auto& line : lines)
        if (line.rfind("say: ", 0) == 0) said = line.substr(5);
    return said;
}

TEST(MenuWalk, EveryPositionOfEveryMenuSpeaksAndTheCursorWrapsAsItsRowSays) {
    const MenuTable& table = gamemenus();
    int walked = 0;
    for (int r = 0; r < table.count; ++r) {
        const MenuRow& row = table.rows[r];
        if (!row.section) continue;
        SCOPED_TRACE(row.name);
        StartedGame game;
        Zelvo& z = game.z;
        startusout(z);
        z.List2 = statementlines(z);
        z.s.ui.menu = row.number;
        const int items = menuitems(z);
        ASSERT_GT(items, 0);
        for (int position = 1; position <= items; ++position) {
            game.take();
            entermenu(z, row.number, position);
            const auto said = lastsaid(game.take());
            ASSERT_TRUE(said) << "position " << position;
            EXPECT_FALSE(said->empty()) << "position " << position;
            EXPECT_EQ(z.s.ui.menu, row.number);
        }
        entermenu(z, row.number, items);
        menus(z, key::Down, 0);
        EXPECT_EQ(z.s.ui.menuposition, row.wraps ? 1 : items);
        entermenu(z, row.number, 1);
        menus(z, key::Up, 0);
        EXPECT_EQ(z.s.ui.menuposition, row.wraps ? items : 1);
        ++walked;
    }
    EXPECT_EQ(walked, table.count);  // every menu of the table has its section
}

}  // namespace
}  // namespace zelvo
