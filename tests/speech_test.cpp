// Speaking: the history, the window's lines, the outputs and what happens when they fail.
#include <gtest/gtest.h>

#include "core/keys.h"
#include "speech/speech.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(Splitlines, BreaksBetweenWordsWithinTheWindowWidth) {
    // 187 pixels: 10.02 characters a line, so lines of at most 10; 800 pixels: 43.
    const struct {
        int width;
        std::string text;
        Lines lines;
    } cases[] = {
        {187, "one two three four", {"one two", "three four"}},
        // Both blanks after a full stop go at the break; no line starts with a blank.
        {187, "Done.  Next step", {"Done.", "Next step"}},
        {187, "exactly10c next", {"exactly10c", "next"}},
        {187, "   lead", {"lead"}},
        // A word longer than a line is still cut at the line's width.
        {187, "abcdefghijklmno pq", {"abcdefghij", "klmno pq"}},
        {800,
         std::string(100, 'a'),
         {std::string(43, 'a'), std::string(43, 'a'), std::string(14, 'a')}},
        {800, std::string(43, 'b'), {std::string(43, 'b')}},
        // Characters, not bytes: a two-byte letter counts once and is never cut in half.
        {187,
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9\xC3\xA9",
         {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9"}},
        {187,
         std::string(12, 'c') + "\xC3\xA9" + "dd",
         {std::string(10, 'c'),
          "cc\xC3\xA9"
          "dd"}},
        // The empty text is still one (empty) line: the window is cleared.
        {800, "", {""}},
        {800, "  ", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitlines(c.text, c.width), c.lines) << c.width << " pixels: " << c.text;
}

TEST(Splitlines, AWholeMessageKeepsEveryWordWhole) {
    const std::string text =
        "Your business is securing a loan of $25,000.00 from the First National Bank at "
        "an interest rate of 7.25 percent.  The first payment is due on February 1.";
    const Lines lines = splitlines(text, 800);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_LE(line.size(), 43u) << line;
        EXPECT_NE(line.front(), ' ') << line;
        EXPECT_NE(line.back(), ' ') << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    std::string single = text;  // the two blanks after the full stop went at a break or stay
    EXPECT_TRUE(joined == text || joined == single.replace(single.find(".  ") + 1, 2, " "))
        << joined;
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
