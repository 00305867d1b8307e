// Item-list files: their format, additem's rules and the line-end repair.
#include <gtest/gtest.h>

#include <chrono>

#include "content/itemfiles.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

std::vector<std::string> names(const GameState& s) {
    std::vector<std::string> result;
    for (int i = 1; i <= s.game.itemcount; ++i)
        result.push_back(s.item[i].name + " " +
                         std::to_string(static_cast<int>(s.item[i].baseprice)));
    return result;
}

TEST(Additem, WholeDollarsAtLeastFiveSortedAndUnique) {
    StartedGame game;
    GameState& s = game.z.s;
    s.game.itemcount = 0;
    additem(game.z, "Pen", "3.99", "d");
    additem(game.z, "Lamp", "12.75", "d");
    additem(game.z, "Junk", "cheap", "d");
    additem(game.z, "", "10", "d");
    additem(game.z, "LAMP", "30", "d");
    additem(game.z, "Mug", "12", "d");
    additem(game.z, "Cup", "12.2", "d");
    additem(game.z, "Yacht", "2,500,000", "d");  // no store sells that
    additem(game.z, "Grand", "\t1,500 ", "d");
    additem(game.z, "Neg", "-20", "d");
    EXPECT_EQ(names(s), (std::vector<std::string>{"Pen 5", "Neg 5", "Lamp 12", "Mug 12", "Cup 12",
                                                  "Grand 1500"}));
    EXPECT_EQ(s.item[3].description, "d");
}

TEST(Additem, TheCatalogueStopsAt999) {
    StartedGame game;
    GameState& s = game.z.s;
    s.game.itemcount = 0;
    for (int i = 1; i <= 999; ++i) additem(game.z, "Item " + std::to_string(i), "100", "d");
    additem(game.z, "Cheap one", "5", "d");
    EXPECT_EQ(s.game.itemcount, 999);
    EXPECT_EQ(s.item[1].name, "Item 1");
    EXPECT_EQ(s.item[999].name, "Item 999");
}

TEST(ItemsFile, ReadsCommentsQuotesAndDropsAnUnfinishedItem) {
    const std::string text =
        "' My shop's goods\r\n"
        "Teapot\r\n"
        "' priced by hand\r\n"
        "\r\n"
        "   \r\n"
        "15\r\n"
        "Brews four cups.\r\n"
        " Grand piano\r\n"
        "\"1,234\"\r\n"
        "'  not the description\r"
        "Black, shiny, heavy.\r\n"
        "Stool\r\n"
        "20,Three legs\r\n"
        "Unfinished\r\n"
        "9\r\n";
    ItemsFile file = parseitems(text);
    ASSERT_FALSE(file.needsrepair);
    ASSERT_EQ(file.items.size(), 3u);
    EXPECT_EQ(file.items[0].name, "Teapot");
    EXPECT_EQ(file.items[0].price, "15");
    EXPECT_EQ(file.items[0].description, "Brews four cups.");
    EXPECT_EQ(file.items[1].name, " Grand piano");  // names are taken as written
    EXPECT_EQ(file.items[1].price, "1,234");
    EXPECT_EQ(file.items[1].description, "Black, shiny, heavy.");
    EXPECT_EQ(file.items[2].price, "20");
    EXPECT_EQ(file.items[2].description, "Three legs");  // the rest of the price line
}

TEST(ItemsFile, ABareLineFeedFileIsRepairedInPlaceAndRead) {
    StartedGame game;
    game.folder.write("items3.txt", "Kite\n12\nFlies high.\n\nYoyo\n6\nUp and down.\n");
    auto items = readitemsfile(game.z, game.folder.file("items3.txt"));
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[1].name, "Yoyo");
    EXPECT_EQ((*items)[1].description, "Up and down.");
    EXPECT_EQ(game.folder.read("items3.txt"),
              "Kite\r\n12\r\nFlies high.\r\n\r\nYoyo\r\n6\r\nUp and down.\r\n");
    game.folder.write("temp", "a save of the player's");
    game.folder.write("items3.txt", "Kite\n12\nFlies high.\n");
    readitemsfile(game.z, game.folder.file("items3.txt"));
    EXPECT_EQ(game.folder.read("temp"), "a save of the player's");
}

TEST(Fixfile, SplitsLineFeedsAndDropsEmptyCarriageReturnLines) {
    StartedGame game;
    game.folder.write("items1.txt", "a\r\n\r\nb\nc\n\nd\re");
    fixfile(game.z, game.folder.file("items1.txt"));
    EXPECT_EQ(game.folder.read("items1.txt"), "a\r\nb\r\nc\r\n\r\nd\r\ne\r\n");
}

TEST(ItemsFile, RepairedWhateverItsFirstLineIs) {
    StartedGame game;
    for (const std::string first : {"' my goods\n", "\n", ""}) {
        game.folder.write("items2.txt", first + "Kite\n12\nFlies high.\n");
        auto items = readitemsfile(game.z, game.folder.file("items2.txt"));
        ASSERT_TRUE(items) << first;
        ASSERT_EQ(items->size(), 1u) << first;
        EXPECT_EQ((*items)[0].description, "Flies high.") << first;
    }
}

TEST(ItemsFile, AHugeFileIsRepairedInOnePassAndReadAsFarAsTheCatalogueGoes) {
    StartedGame game;
    std::string text;
    for (int i = 0; text.size() < 8'000'000; ++i)
        text += "Item " + std::to_string(i) + "\n" + std::to_string(10 + i % 90) + "\nd\n";
    game.folder.write("items5.txt", text);
    const auto start = std::chrono::steady_clock::now();
    auto items = readitemsfile(game.z, game.folder.file("items5.txt"));
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(items);
    EXPECT_EQ(items->size(), 999u);
    // A repair that copies the rest of the file for every line takes half a minute here.
    EXPECT_LT(took, std::chrono::seconds(5));
}

}  // namespace
}  // namespace zelvo
