// The phrase table: how language.txt is read and applied.
#include <gtest/gtest.h>

#include "speech/language.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

TEST(Language, LongestPhrasesFirstAndTheLaterOfEqualLength) {
    StartedGame game(false);
    game.folder.write("language.txt",
                      "Pirate\r\n\r\nMoney\r\n\r\nDoubloons\r\nMoney=\r\nLoot is\r\n"
                      "Store\r\nShip\r\nStock\r\nCargo\r\nhas\r\nholds\r\nDangling\r\n");
    loadlanguagefile(game.z);
    const Language& language = game.z.language;
    ASSERT_EQ(language.count, 5);  // the phrase without a replacement is dropped
    EXPECT_EQ(language.phrases[0].first, "Money=");
    EXPECT_EQ(language.phrases[1].first, "Stock");  // read after "Store" and "Money"
    EXPECT_EQ(language.phrases[2].first, "Store");
    EXPECT_EQ(language.phrases[3].first, "Money");
    EXPECT_EQ(Translate(game.z, "Store has Money and Money= with money."),
              "Ship holds Doubloons and Loot is with money.");
    EXPECT_EQ(game.folder.read("debuglog.txt"),
              "Loading language file\r\nLanguage set to Pirate\r\n");
}

TEST(Language, NoFileOrNoPairsMeansEnglish) {
    StartedGame game(false);
    loadlanguagefile(game.z);
    EXPECT_EQ(game.z.language.count, 0);
    EXPECT_EQ(game.folder.read("debuglog.txt"), "Using English.\r\n");
    game.folder.write("language.txt", "Klingon\r\n");
    loadlanguagefile(game.z);
    EXPECT_EQ(game.z.language.count, 0);
}

}  // namespace
}  // namespace zelvo
