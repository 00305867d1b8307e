// The same seed and script give the same output within one process: two games side by side,
// and a third after them (the runs in separate processes and builds are a CTest case).
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "app/runner.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

struct SeededScript {
    HeadlessOptions options;
    std::vector<std::string> lines;
};

// The determinism game of tests/determinism: its seed and year, and its first `most` lines.
SeededScript determinismgame(std::size_t most) {
    const std::string folder = std::string(ZELVO_TEST_SOURCES) + "/determinism/";
    std::ifstream argsfile(folder + "args");
    std::stringstream args;
    args << argsfile.rdbuf();
    std::smatch seed, year;
    const std::string text = args.str();
    EXPECT_TRUE(std::regex_search(text, seed, std::regex("--seed ([0-9]+)")));
    EXPECT_TRUE(std::regex_search(text, year, std::regex("--year ([0-9]+)")));
    SeededScript game{{std::stoi(seed[1]), std::stoi(year[1])}, {}};
    std::ifstream keys(folder + "game.keys", std::ios::binary);
    for (std::string line; game.lines.size() < most && std::getline(keys, line);)
        game.lines.push_back(line);
    return game;
}

// Runs one script line and returns what the game printed for it.
std::string feed(testing::StartedGame& game, const std::string& line) {
    std::istringstream script(line + "\n");
    std::ostringstream errors;
    EXPECT_EQ(0, runscript(game.z, game.platform, script, errors)) << errors.str();
    std::string printed = game.out.str();
    game.out.str("");
    return printed;
}

// Empty when equal, else the first line where the outputs part.
std::string firstdifference(const std::string& a, const std::string& b) {
    std::istringstream left(a), right(b);
    std::string x, y;
    for (int number = 1;; ++number) {
        const bool more = static_cast<bool>(std::getline(left, x));
        const bool other = static_cast<bool>(std::getline(right, y));
        if (!more && !other) return "";
        if (more != other || x != y)
            return "line " + std::to_string(number) + ": \"" + x + "\" / \"" + y + "\"";
    }
}

TEST(Determinism, GamesInOneProcessPlayAlike) {
    // The first months of the game: enough to pass statements, saves and the rivals' turns,
    // short enough for the sanitizer pass.
    const SeededScript game = determinismgame(4000);
    ASSERT_GT(game.lines.size(), 1000u);
    testing::StartedGame first(true, game.options), second(true, game.options);
    std::string a, b;
    for (const auto& line : game.lines) {
        a += feed(first, line);
        b += feed(second, line);
    }
    testing::StartedGame third(true, game.options);
    std::string c;
    for (const auto& line : game.lines) c += feed(third, line);

    EXPECT_GT(first.z.daysprocessed, 100);
    EXPECT_EQ("", firstdifference(a, b)) << "two games side by side";
    EXPECT_EQ("", firstdifference(a, c)) << "a game after two others";
}

}  // namespace
}  // namespace zelvo
