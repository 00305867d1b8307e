// Saved games: real files of every version the game reads, round trips and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/keys.h"
#include "game/startup.h"
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
    } cases[] = {{"1234,56", 1234.56}, {"12abc", 12}, {" -5.5 ", -5.5}, {"", 0},
                 {"cash", 0},          {"0x10", 0},   {"1e3", 1000},    {" .5", 0.5}};
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
        {"more employees than the town has", withline(7, " 101 ")},
        {"too many aisles", withline(10, " 51 ")},  // the player's aisle count
        {"a wage that would overflow hiring", withline(9, " 8e10 ")},
        {"a wage that would take a day to hire", withline(9, " 1e7 ")},
        {"money beyond any game", withline(6, "1e308")},
        {"a price beyond any game", withline(14, " 1e300 ")},     // aisle 1
        {"a count beyond any game", withline(12, " 5e9 ")},       // aisle 1's stock
        {"a warehouse carrying 29 items", withline(434, " 1 ")},  // item 1 is not carried
        {"a warehouse carrying 27 items", withline(514, " 0 ")},  // item 5 is
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

TEST(Saves, NumberFieldsReadTheirLeadingNumberAndTheVersionItsFigure) {
    SaveGame save("1.1-first-month");
    save.game.folder.write("wheels", withline(418, " 6abc "));  // item 1's first wheel size
    EXPECT_EQ(save.load("wheels"), Lines{"say: Game loaded."});
    EXPECT_EQ(save.game.z.s.item[1].name, "Audyssey magazine");
    EXPECT_EQ(save.game.z.s.item[1].wheelsize[0], 6);

    // An older save whose version has blanks around it is still an older save.
    std::string old = readfile(kSaves + "0.9-no-statistics");
    old = " 0.9 " + old.substr(old.find("\r\n"));
    save.game.folder.write("old", old);
    EXPECT_EQ(save.load("old"), Lines{"say: Game loaded."});
}

TEST(Saves, TheWarehouseHoldsNothingOfItemsTheGameDidNotKnow) {
    StartedGame game(false);
    // A game of the 30 items of one list, then a save of the 63 built-in ones.
    std::string items;
    for (int i = 1; i <= 30; ++i)
        items += "Thing " + std::to_string(i) + "\r\n" + std::to_string(10 + i) + "\r\nd\r\n";
    game.folder.write("items1.txt", items);
    game.folder.write("progress.ini",
                      " 0 \r\n 2 \r\nA\r\nB\r\n 1 \r\n 2 \r\nDefault\r\n 0 \r\n"
                      "items1.txt\r\n 1 \r\n");
    Form_Load(game.z);
    ASSERT_EQ(game.z.s.game.itemcount, 30);
    std::filesystem::copy_file(kSaves + "1.1-first-month", game.folder.file("saved"));
    game.take();
    loadgame(game.z, "saved");
    EXPECT_EQ(game.take(), Lines{"say: Game loaded."});
    EXPECT_EQ(game.z.s.item[30].warehousestock, 90);
    EXPECT_EQ(game.z.s.item[31].warehousestock, 0);
    EXPECT_EQ(game.z.s.item[63].warehousestock, 0);
}

TEST(Saves, TextsWithLineBreaksReadBackAsWritten) {
    StartedGame game(false);
    // Mixed line ends: a bare line feed inside a description.
    game.folder.write("items1.txt", "Kite\r\n12\r\nFlies\nhigh.\r\nYoyo\r\n6\r\nUp and down.\r\n");
    Form_Load(game.z);
    GameState& s = game.z.s;
    s.human().storename = "Two\r\nlines";
    const std::vector<Item> before(s.item.begin(), s.item.begin() + s.game.itemcount + 1);
    int kite = 0;
    for (int i = 1; i <= s.game.itemcount; ++i)
        if (s.item[i].name == "Kite") kite = i;
    ASSERT_NE(kite, 0);
    EXPECT_EQ(s.item[kite].description, "Flies high.");

    savegame(game.z, "lastsave");
    game.take();
    s.game.itemcount = 0;
    loadgame(game.z, "lastsave");
    EXPECT_EQ(game.take(), Lines{"say: Game loaded."});
    ASSERT_EQ(s.game.itemcount + 1, static_cast<int>(before.size()));
    for (int i = 1; i <= s.game.itemcount; ++i) {
        EXPECT_EQ(s.item[i].name, before[static_cast<std::size_t>(i)].name) << i;
        EXPECT_EQ(s.item[i].description, before[static_cast<std::size_t>(i)].description) << i;
        EXPECT_EQ(s.item[i].baseprice, before[static_cast<std::size_t>(i)].baseprice) << i;
    }
    EXPECT_EQ(s.human().storename, "Two lines");
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

// Symbolic links: Wine cannot make them.
#ifndef _WIN32
TEST(Saves, NamesTheGameOwnsAreRefusedAndReplaceNothing) {
    StartedGame game;
    const testing::TempFolder& folder = game.folder;
    std::filesystem::create_directory(folder.file("a folder"));
    folder.write("elsewhere", "a player's file");
    std::filesystem::create_symlink(folder.file("elsewhere"), folder.file("a link"));
    const std::string own = "is one of the game's own files.";
    const std::string device = "is a name Windows keeps for a device.";
    const std::string kSigns =
        "A save name cannot hold the signs less than, greater than, colon, quotation mark, bar, "
        "question mark or star.";
    const struct {
        std::string name, reason;
    } cases[] = {
        {"progress.ini", "progress.ini " + own},
        {"items1.txt", "items1.txt " + own},
        {"items99.txt", "items99.txt " + own},
        {"debuglog.txt", "debuglog.txt " + own},
        {"language.txt", "language.txt " + own},
        {"January 2031 statement.txt", "January 2031 statement.txt " + own},
        {"sounds", "sounds " + own},
        {"Recordings", "Recordings " + own},
        {".lastsave.swap", ".lastsave.swap " + own},
        {"a folder", "a folder is a folder."},
        {"a link", "a link is not a plain file."},
        {".", "A save name cannot be only dots."},
        {"..", "A save name cannot be only dots."},
        {std::string(256, 'x'), "That name is too long."},
        // What Windows cannot hold is refused on every system, so saves travel between them.
        {"a<b", kSigns},
        {"what?", kSigns},
        {"c:game", kSigns},
        {"say \"hi\"", kSigns},
        {"a|b", kSigns},
        {"*", kSigns},
        {"a\\b", "A save name cannot hold a slash."},
        {"game.", "A save name cannot end in a dot or a blank."},
        {"game ", "A save name cannot end in a dot or a blank."},
        {"CON", "CON " + device},
        {"nul.txt", "nul.txt " + device},
        {"Aux.tar.gz", "Aux.tar.gz " + device},
        {"prn .sav", "prn .sav " + device},
        {"com1", "com1 " + device},
        {"LPT9", "LPT9 " + device},
        {"COM\u00b9", "COM\u00b9 " + device},
        {"CONOUT$", "CONOUT$ " + device},
    };
    for (const auto& c : cases) {
        std::error_code ec;
        const bool there = std::filesystem::exists(folder.file(c.name), ec);
        // The refusal itself is logged: the log is the one file that grows.
        const bool kept =
            std::filesystem::is_regular_file(folder.file(c.name), ec) && c.name != "debuglog.txt";
        const std::string before = kept ? folder.read(c.name) : "";
        savegame(game.z, c.name);
        EXPECT_EQ(game.take(), Lines{"say: Error saving game.  " + c.reason}) << c.name;
        EXPECT_EQ(std::filesystem::exists(folder.file(c.name), ec), there) << c.name;
        if (kept) {
            EXPECT_EQ(folder.read(c.name), before) << c.name;
        }
    }
    EXPECT_EQ(folder.read("elsewhere"), "a player's file");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("a link")));
}
#endif

TEST(Saves, NamesNearADeviceNameAreSavesLikeAnyOther) {
    StartedGame game;
    for (const char* name : {"COM10", "console", "null", "lpt", "con-game", "a.con", ".nul"}) {
        savegame(game.z, name);
        EXPECT_EQ(game.take().front(), "say: Game saved.") << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(game.folder.file(name))) << name;
    }
}

TEST(Saves, ASaveReplacesOnlyItsOwnFile) {
    StartedGame game;
    game.folder.write("game.tmp", "another save");
    game.folder.write("progress.ini.tmp", "another save");
    savegame(game.z, "game");
    game.press(key::PageUp);  // rewrites the preferences
    EXPECT_EQ(game.folder.read("game.tmp"), "another save");
    EXPECT_EQ(game.folder.read("progress.ini.tmp"), "another save");
    for (std::size_t length : {251u, 255u}) {
        const std::string name(length, 'n');
        game.take();
        savegame(game.z, name);
        EXPECT_EQ(game.take().front(), "say: Game saved.") << length;
        EXPECT_TRUE(std::filesystem::is_regular_file(game.folder.file(name))) << length;
    }
    // Nothing is left beside the saves.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(game.folder.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 7);  // progress.ini, the two .tmp files, game and the two long names
}

}  // namespace
}  // namespace zelvo
