// Saved games: real files of every version the game reads, round trips and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "persist/loadgame.h"
#include "persist/savegame.h"
#include "state/menunumbers.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

const std::string kSaves = std::string(ZELVO_TEST_SOURCES) + "/saves/";

std::string readfile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A started game with one of the saved games in its folder.
struct SaveGame {
    explicit SaveGame(const std::string& name, const std::string& as = "saved") {
        std::filesystem::copy_file(kSaves + name, game.folder.file(as));
        game.take();
    }
    Lines load(const std::string& as = "saved") {
        loadgame(game.z, as);
        return game.take();
    }
    StartedGame game;
};

TEST(Saves, ThisVersionLoadsAndSavesAgainToTheSameFile) {
    SaveGame save("1.1-first-month");
    GameState& s = save.game.z.s;
    s.clock.paused = 1;
    s.human().features = "[not in the save]";
    EXPECT_EQ(save.load(), Lines{"say: Game loaded."});
    EXPECT_EQ(s.ui.menu, menu::Store);
    EXPECT_EQ(s.ui.menuposition, 0);
    EXPECT_EQ(s.clock.paused, 1);
    EXPECT_EQ(s.human().features, "");
    EXPECT_EQ(s.calendar.day, 25);
    savegame(save.game.z, "again");
    EXPECT_EQ(save.game.take(), (Lines{"say: Game saved.", "sound: sounds/game/saved.wav 0 0"}));
    EXPECT_EQ(save.game.folder.read("again"), readfile(kSaves + "1.1-first-month"));
}

TEST(Saves, OlderVersionsHaveNoMedicalCostsAndMayEndBeforeTheStatistics) {
    SaveGame full("0.9-first-month");
    GameState& s = full.game.z.s;
    s.human().medicalspent = 77;
    EXPECT_EQ(full.load(), Lines{"say: Game loaded."});
    EXPECT_GT(s.human().wagespaid, 0);
    EXPECT_EQ(s.human().medicalspent, 77);

    SaveGame cut("0.9-no-statistics");
    GameState& t = cut.game.z.s;
    t.human().wagespaid = 123;
    t.storeitem[1][5].sold = 9;
    EXPECT_EQ(cut.load(), Lines{"say: Game loaded."});
    EXPECT_EQ(t.human().wagespaid, 123);  // the game in memory keeps its statistics
    EXPECT_EQ(t.storeitem[1][5].sold, 9);
    EXPECT_EQ(t.calendar.day, 25);
}

TEST(Saves, StoresOutOfTheGameAndNamesWithAStar) {
    StartedGame game;
    GameState& s = game.z.s;
    s.store[3].active = 0;
    s.human().ownername = "*Ann";
    savegame(game.z, "stars");
    const std::string text = game.folder.read("stars");
    EXPECT_NE(text.find("\r\n*Dezerudi\r\nNeptco\r\n"), std::string::npos);
    s.store[3].active = 1;
    s.store[3].ownername = "Somebody";
    loadgame(game.z, "stars");
    EXPECT_EQ(s.store[3].active, 0);
    EXPECT_EQ(s.store[3].ownername, "Dezerudi");
    EXPECT_EQ(s.human().active, 1);  // the player's slot is never out of the game
    EXPECT_EQ(s.human().ownername, "*Ann");
}

// The 1.1 save with one line changed; line numbers count from 1.
std::string withline(int number, const std::string& value) {
    std::string text = readfile(kSaves + "1.1-first-month");
    std::size_t at = 0;
    for (int i = 1; i < number; ++i) at = text.find("\r\n", at) + 2;
    const std::size_t end = text.find("\r\n", at);
    return text.substr(0, at) + value + text.substr(end);
}

TEST(Saves, MoneyLinesReadTheirLeadingNumber) {
    const struct {
        const char* line;
        double money;
    } cases[] = {{"1234,56", 1234.56}, {"12abc", 12}, {" -5.5 ", -5.5}, {"", 0}, {"cash", 0}};
    for (const auto& c : cases) {
        StartedGame game;
        game.folder.write("edited", withline(6, c.line));  // the player's money
        loadgame(game.z, "edited");
        EXPECT_EQ(game.take().back(), "say: Game loaded.") << c.line;
        EXPECT_DOUBLE_EQ(game.z.s.human().money, c.money) << c.line;
    }
}

TEST(Saves, ADamagedFileChangesNothing) {
    const std::string good = readfile(kSaves + "1.1-first-month");
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"cut short", good.substr(0, good.size() / 2)},
        {"a count that is not a number", withline(7, "six")},  // the player's employees
        {"too many aisles", withline(10, " 51 ")},             // the player's aisle count
        {"an empty file", ""},
        {"bytes of nothing", std::string(100, '\0')},
    };
    for (const auto& c : cases) {
        StartedGame game;
        GameState& s = game.z.s;
        s.human().money = 4242;
        s.calendar = {3, 4, 2, 5};
        game.folder.write("damaged", c.text);
        game.take();
        loadgame(game.z, "damaged");
        EXPECT_EQ(game.take(), Lines{"say: Error loading game."}) << c.what;
        EXPECT_EQ(s.human().money, 4242) << c.what;
        EXPECT_EQ(s.calendar.day, 3) << c.what;
        EXPECT_EQ(s.ui.menu, menu::Main) << c.what;
    }
}

TEST(Saves, NamesThatAreNotPlainFilesInTheFolder) {
    StartedGame game;
    for (const char* name : {"nothing here", "../saved", "/etc/passwd", "sub/dir"}) {
        loadgame(game.z, name);
        EXPECT_EQ(game.take(), Lines{"say: File not found."}) << name;
    }
    savegame(game.z, "../outside");
    EXPECT_EQ(game.take(), Lines{"say: Error saving game.  A save name cannot hold a slash."});
    EXPECT_FALSE(std::filesystem::exists(game.folder.path().parent_path() / "outside"));
    savegame(game.z, "lastsave");  // the automatic save's name is silent
    EXPECT_EQ(game.take(), Lines{});
}

}  // namespace
}  // namespace zelvo
