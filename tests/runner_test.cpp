// The script runner's commands, as tests and outside checks rely on them.
#include <gtest/gtest.h>

#include "app/runner.h"
#include "support/started_game.h"
#include "ui/prompt.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

int run(StartedGame& game, const std::string& script, std::string* errors = nullptr) {
    std::istringstream in(script);
    std::ostringstream err;
    int status = runscript(game.z, game.platform, in, err);
    if (errors) *errors = err.str();
    return status;
}

TEST(Runner, ParsesKeyNamesWithModifiers) {
    const struct {
        const char* text;
        int code, state;
    } known[] = {
        {"Enter", 13, 0},
        {"Shift+Enter", 13, 1},
        {"Ctrl+Plus", 187, 2},
        {"Alt+Shift+Down", 40, 5},
        {"z", 90, 0},
        {"7", 55, 0},
        {"KeypadMinus", 109, 0},
        {"RightBracket", 221, 0},
        {"Ctrl+Alt+Shift+Tab", 9, 7},
    };
    for (const auto& k : known) {
        auto parsed = parsekey(k.text);
        ASSERT_TRUE(parsed) << k.text;
        EXPECT_EQ(parsed->code, k.code) << k.text;
        EXPECT_EQ(parsed->state, k.state) << k.text;
    }
    for (const char* bad : {"", "Shift+", "+Enter", "Hyper+Enter", "F13", "Enter+Shift", "!!"})
        EXPECT_FALSE(parsekey(bad)) << bad;
}

TEST(Runner, StopsAtAnUnknownCommandNamingItsLine) {
    StartedGame game;
    std::string errors;
    EXPECT_EQ(run(game, "# a comment\n\nZ\nfly away\nX\n", &errors), 2);
    EXPECT_EQ(errors, "zelvo-headless: line 4: unknown command: fly away\n");
    EXPECT_EQ(game.take(), Lines{"say: Zelvo has $50,000.00."});  // X never ran
    for (const char* bad :
         {"tick x\n", "days\n", "days -1\n", "key 13\n", "key a b\n", "resume now\n", "Z Z\n",
          "browse\n", "browse Left\n", "browse Down Enter\n"})
        EXPECT_EQ(run(game, bad), 2) << bad;
}

TEST(Runner, AnswersQueueInOrderAndKeepTheirBlanks) {
    StartedGame game;
    EXPECT_EQ(run(game, "answer   two words \nanswer\nanswer x\r\n"), 0);
    EXPECT_EQ(askfortext(game.z, "Type a name.", "Set your name"), "  two words ");
    EXPECT_EQ(askfortext(game.z, "Again.", "Set your name"), "");
    EXPECT_EQ(askfortext(game.z, "Again.", "Set your name"), "x");
    EXPECT_EQ(askfortext(game.z, "None left.", "Set your name"), "");
    Lines lines = game.take();
    EXPECT_EQ(lines[0], "say: Type a name.");
    EXPECT_EQ(lines[1], "prompt: Set your name: Type a name.");
    EXPECT_EQ(lines[2], "answer:   two words ");
}

// Up and Down in a box land on the first choice, then move and stop at either end, saying
// each choice as the desktop's box does; the box returns the choice they left in the field.
TEST(Runner, BrowsingStepsThroughTheNextBoxsChoicesAndSaysEach) {
    StartedGame game;
    game.take();
    const InputChoices two{{{"ann1", "ann1, one."}, {"bob", "bob, two."}}, "Nothing."};
    const struct {
        const char* queued;
        InputChoices choices;
        const char* returned;
        Lines heard;  // while the box is open
    } boxes[] = {
        {"answer typed", two, "typed", {}},
        {"browse Down Down Down Up",
         two,
         "ann1",
         {"say: ann1, one.", "say: bob, two.", "say: bob, two.", "say: ann1, one."}},
        {"browse Up", two, "ann1", {"say: ann1, one."}},
        {"browse Down", {{}, "Nothing."}, "", {"say: Nothing."}},
        {"browse Down", {}, "", {}},  // a box that offers nothing
    };
    for (const auto& box : boxes) {
        ASSERT_EQ(run(game, std::string(box.queued) + "\n"), 0);
        EXPECT_EQ(askfortext(game.z, "Name.", "Load", box.choices), box.returned) << box.queued;
        Lines expected{"say: Name.", "prompt: Load: Name."};
        expected.insert(expected.end(), box.heard.begin(), box.heard.end());
        expected.push_back(std::string("answer: ") + box.returned);
        EXPECT_EQ(game.take(), expected) << box.queued;
    }
}

TEST(Runner, TicksOnlyWhileTheClockRunsAndDaysResumeIt) {
    StartedGame game;
    game.z.s.ui.menu = 5;  // the Store menu takes the keys
    EXPECT_EQ(run(game, "tick 3\n"), 0);
    EXPECT_EQ(game.take(), Lines{});  // the clock is stopped: nothing fires
    EXPECT_EQ(run(game, "days 3\n"), 0);
    EXPECT_EQ(game.z.daysprocessed, 3);
    EXPECT_EQ(game.take(),
              (Lines{"clock: on", "sound: sounds/game/unpause.wav 0 0",
                     "sound: sounds/game/tick.wav -2000 0", "sound: sounds/game/tock.wav -2000 0",
                     "sound: sounds/game/tick.wav -2000 0"}));
    EXPECT_EQ(run(game, "Space\nresume\ntick\n"), 0);
    EXPECT_EQ(game.take(),
              (Lines{"clock: off", "sound: sounds/game/pause.wav 0 0", "clock: on",
                     "sound: sounds/game/unpause.wav 0 0", "sound: sounds/game/tock.wav -2000 0"}));
    game.z.s.ui.menu = 11;  // a statement opened: days stop there
    EXPECT_EQ(run(game, "days 5\n"), 0);
    EXPECT_EQ(game.z.daysprocessed, 4);
}

}  // namespace
}  // namespace zelvo
