// Speaking: the history, the window's lines, the outputs and what happens when they fail.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "speech/speech.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(Splitlines, WrapsByTheWindowWidth) {
    // 800 pixels: 42.86 characters a line, so lines of 43 starting at 1, 44, 87.
    const std::string text(100, 'a');
    Lines lines = splitlines(text, 800);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 43u);
    EXPECT_EQ(lines[1].size(), 43u);
    EXPECT_EQ(lines[2].size(), 14u);

    std::string numbered;
    for (int i = 0; i < 90; ++i) numbered += static_cast<char>('0' + i % 10);
    lines = splitlines(numbered, 800);
    EXPECT_EQ(lines[1].substr(0, 3), "345");  // character 44
    EXPECT_EQ(lines[2].substr(0, 3), "678");  // character 87

    // 42.86 characters a line: now and then a line is 42 long, and nothing is shown twice.
    std::string letters;
    for (int i = 0; i < 300; ++i) letters += static_cast<char>('a' + i % 26);
    lines = splitlines(letters, 800);
    std::string joined;
    for (const auto& line : lines) joined += line;
    EXPECT_EQ(joined, letters);
    EXPECT_EQ(lines[3].size(), 42u);  // characters 130 to 171; line 4 starts at 172

    // The empty text is still one (empty) line: the window is cleared.
    EXPECT_EQ(splitlines("", 800), Lines{""});
    // A text of exactly one line's worth gets an empty second line, as the rule counts.
    EXPECT_EQ(splitlines(std::string(43, 'b'), 800).size(), 2u);
    // Characters, not bytes: a two-byte letter is never cut in half.
    const std::string accents = std::string(42, 'c') + "\xC3\xA9" + "dd";
    lines = splitlines(accents, 800);
    EXPECT_EQ(lines[0], std::string(42, 'c') + "\xC3\xA9");
    EXPECT_EQ(lines[1], "dd");
}

TEST(Sayit, RecordsTheLast999MessagesButNotTheEmptyOne) {
    StartedGame game;
    for (int i = 1; i <= 1000; ++i) sayit(game.z, "message " + std::to_string(i));
    sayit(game.z, "");
    const auto& history = game.z.s.ui.speechhistory;
    EXPECT_EQ(history[1], "message 1000");
    EXPECT_EQ(history[999], "message 2");  // message 1 and the welcome fell off the end
    Lines said = game.take();
    EXPECT_EQ(said.back(), "say: ");  // the empty text is still handed to the voice
}

TEST(Sayit, ReviewReadoutsAreNotRecorded) {
    StartedGame game;
    sayit(game.z, "Loans");
    game.take();
    game.press(key::RightBracket);
    game.press(key::RightBracket);
    EXPECT_EQ(game.take(), (Lines{"say: Rev 1, Loans",
                                  "say: Rev 2, Welcome to Zelvo, version 1.1, by Tarvik.  "
                                  "Main menu."}));
    EXPECT_EQ(game.z.s.ui.speechhistory[1], "Loans");
    game.press(key::Z);  // any other key ends the review, and recording starts again
    EXPECT_EQ(game.z.s.ui.reviewindex, 0);
    EXPECT_EQ(game.z.s.ui.speechhistory[1], "Zelvo has $50,000.00.");
}

TEST(Sayit, TranslatesBeforeRecording) {
    StartedGame game;
    game.z.language.count = 1;
    game.z.language.phrases = {{"Zelvo", "Selvo"}};
    sayit(game.z, "Zelvo, Zelvo and zelvo");
    EXPECT_EQ(game.take(), Lines{"say: Selvo, Selvo and zelvo"});
    EXPECT_EQ(game.z.s.ui.speechhistory[1], "Selvo, Selvo and zelvo");
}

// A machine whose voice and screen reader fail, as a broken speech engine would.
class BrokenSpeech : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    void speak(const std::string&) override { throw PlatformError("the voice hung up"); }
};

TEST(Sayit, EngineFailuresAreLoggedAndPlayGoesOn) {
    testing::TempFolder folder;
    std::ostringstream out;
    BrokenSpeech platform(out, "title", {1, 2030});
    Zelvo z(platform, folder.path().string());
    z.s.ui.sapiready = 1;
    sayit(z, "Hello");
    EXPECT_EQ(z.s.ui.speechhistory[1], "Hello");  // still recorded
    z.s.ui.speechoutput = 3;                      // no screen reader on this machine
    sayit(z, "Again");
    EXPECT_EQ(folder.read("debuglog.txt"),
              "error in sayit: the voice hung up\r\n"
              "error in sayit: the screen reader is not running\r\n");
}

TEST(Sayit, WithoutAVoiceTheTitleSpeaks) {
    StartedGame game;
    game.z.s.ui.sapiready = 0;
    sayit(game.z, "Hello");
    EXPECT_EQ(game.take(), Lines{"title: Hello"});
}

TEST(Popup, PausesPlaysThePauseSoundThenSpeaks) {
    StartedGame game;
    game.platform.startDayTimer(750);
    game.z.s.clock.paused = 0;
    game.take();
    popup(game.z, "Your workers have formed a union.");
    EXPECT_EQ(game.take(), (Lines{"clock: off", "sound: sounds/game/pause.wav 0 0",
                                  "say: Your workers have formed a union."}));
    EXPECT_EQ(game.z.s.clock.paused, 1);

    game.z.s.game.debugmode = 1;  // debug runs are never paused by events, and are silent
    game.z.s.clock.paused = 0;
    game.platform.startDayTimer(10);
    game.take();
    popup(game.z, "Again");
    EXPECT_EQ(game.take(), Lines{"say: Again"});
    EXPECT_EQ(game.z.s.clock.paused, 0);
}

}  // namespace
}  // namespace zelvo
