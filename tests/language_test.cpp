// The phrase table: how language.txt is read and applied.
#include <gtest/gtest.h>

#include <chrono>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

TEST(Language, ATranslationThatKeepsGrowingStopsOnce) {
    StartedGame game(false);
    // Each phrase doubles the text of the one before: W, XX, YYYY, ... Of phrases of one
    // length the one read later is tried first, so the chain is written backwards.
    std::string pairs;
    const std::string letters = "WXYZABCDEFGHIJKLMNOPQRSTUV";
    for (std::size_t i = 0; i + 1 < letters.size(); ++i)
        pairs =
            std::string(1, letters[i]) + "\r\n" + std::string(2, letters[i + 1]) + "\r\n" + pairs;
    const std::string file = "Doubling\r\n" + pairs;
    game.folder.write("language.txt", file);
    loadlanguagefile(game.z);
    EXPECT_EQ(Translate(game.z, "W"), "W");  // untranslated rather than endless
    EXPECT_EQ(Translate(game.z, "Wow"), "Wow");
    EXPECT_EQ(Translate(game.z, "U"), "VV");  // a text that stays small is translated
    const std::string log = game.folder.read("debuglog.txt");
    const std::string line = "error in Translate: a translation grew past";
    ASSERT_NE(log.find(line), std::string::npos);
    EXPECT_EQ(log.find(line), log.rfind(line));  // told once
}

TEST(Language, AFullTableOfLongPhrasesLoadsAtOnce) {
    StartedGame game(false);
    // The most phrases a file may hold, long and of many lengths: placing each by walking
    // the table took seconds, sorting once takes a moment.
    std::string file = "Long\r\n";
    for (int i = 0; i < 3000; ++i)
        file += std::string(300 + i % 200, static_cast<char>('a' + i % 26)) + std::to_string(i) +
                "\r\nr" + std::to_string(i) + "\r\n";
    game.folder.write("language.txt", file);
    const auto start = std::chrono::steady_clock::now();
    loadlanguagefile(game.z);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(1));
    const auto& phrases = game.z.language.phrases;
    ASSERT_EQ(game.z.language.count, 3000);
    // Longest first; of one length, the one read later first.
    for (std::size_t i = 1; i < phrases.size(); ++i) {
        const auto &a = phrases[i - 1].first, &b = phrases[i].first;
        ASSERT_TRUE(a.size() > b.size() ||
                    (a.size() == b.size() && std::stoi(phrases[i - 1].second.substr(1)) >
                                                 std::stoi(phrases[i].second.substr(1))))
            << i;
    }
}

// Windows keeps no named pipe in a folder.
#ifndef _WIN32
TEST(Language, APipeInsteadOfTheFileIsNoFile) {
    StartedGame game(false);
    ASSERT_EQ(::mkfifo(game.folder.file("language.txt").c_str(), 0600), 0);
    loadlanguagefile(game.z);  // does not wait for a writer
    EXPECT_EQ(game.z.language.count, 0);
    EXPECT_EQ(game.folder.read("debuglog.txt"), "Using English.\r\n");
}
#endif

}  // namespace
}  // namespace zelvo
