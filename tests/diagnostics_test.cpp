// The developer's diagnostics and the start-up around them.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/diagnostics.h"
#include "game/startup.h"
#include "sound/sound.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(LoanCalculator, ListsPaymentsUntilTheLoanIsRepaidInFiveYears) {
    StartedGame game;
    Command2_Click(game.z);
    Lines lines = game.take();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(game.z.s.ui.menuposition, 6);
    EXPECT_EQ(lines.front().rfind("log: 600) ", 0), 0u);
    EXPECT_EQ(lines.back().rfind("log: 1775) ", 0), 0u);
    EXPECT_EQ(lines.size(), 1776u - 600u);
    EXPECT_EQ(lines[669 - 600], "log: 669) 180 months = 15 years+0 months");
    EXPECT_EQ(lines.back(), "log: 1775) 60 months = 5 years+0 months");
    EXPECT_EQ(lines[lines.size() - 2].find(") 61 months"), 9u);
}

TEST(DebugLog, AppendsLinesAndSkipsALogThatCannotBeWritten) {
    StartedGame game;
    std::filesystem::remove(game.folder.file("debuglog.txt"));
    debuglog(game.z, "one");
    debuglog(game.z, "two");
    EXPECT_EQ(game.folder.read("debuglog.txt"), "one\r\ntwo\r\n");
    std::filesystem::remove(game.folder.file("debuglog.txt"));
    std::filesystem::create_directory(game.folder.file("debuglog.txt"));
    debuglog(game.z, "lost");  // no crash, no message: the log is a developer's aid
    EXPECT_TRUE(std::filesystem::is_directory(game.folder.file("debuglog.txt")));
}

TEST(Startup, SpeaksTheWelcomeWithThePlayersSettings) {
    StartedGame game(false);
    game.folder.write("progress.ini", " 1 \r\n 6 \r\nAnn\r\nAnn's Shop\r\n 2 \r\n");
    Form_Load(game.z);
    // Output 1 speaks through the window title.
    EXPECT_EQ(game.take(), Lines{"title: Welcome to Zelvo, version 1.1, by Tarvik.  Main menu."});
    EXPECT_EQ(game.z.s.ui.sapirate, 6);
    EXPECT_EQ(game.z.s.human().storename, "Ann's Shop");
    EXPECT_EQ(game.z.s.game.difficulty, 2);
    EXPECT_EQ(game.z.s.ui.menu, 1);
    EXPECT_EQ(game.z.s.clock.paused, 1);
    const std::string log = game.folder.read("debuglog.txt");
    EXPECT_EQ(log.substr(log.size() - 16), "Using English.\r\n");
}

TEST(Startup, AScreenReaderThatDoesNotAnswerLeavesTheVoiceSpeaking) {
    StartedGame game(false);
    game.folder.write("progress.ini", " 3 \r\n 2 \r\n");
    Form_Load(game.z);
    EXPECT_EQ(game.take(), Lines{"say: Welcome to Zelvo, version 1.1, by Tarvik.  Main menu."});
    EXPECT_EQ(game.folder.read("progress.ini"), " 3 \r\n 2 \r\n");  // the choice is kept
}

// A machine with no sound card: the sound system says why, in its own words.
class NoSoundCard : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    void openSound(int) override { throw PlatformError("Audio target 'pulse' not available"); }
};

TEST(Startup, WithoutASoundDeviceTheProgramTellsWhyAndWhatToCheckThenEnds) {
    testing::TempFolder folder;
    folder.write("debuglog.txt", "an older line\r\n");
    std::ostringstream out;
    NoSoundCard platform(out, "title", {1, 2030});
    Zelvo z(platform, folder.path().string());
    EXPECT_THROW(Form_Load(z), ProgramEnded);
    const std::string message =
        "Zelvo could not open a sound device: Audio target 'pulse' not available.  Check "
        "that your sound server is running and that a sound card or headphones are "
        "connected, then start Zelvo again.";
    EXPECT_EQ(out.str(), "message: " + message + "\nexit\n");
    EXPECT_EQ(folder.read("debuglog.txt"), "an older line\r\n" + message + "\r\n");
}

TEST(Startup, TheSoundSystemsReasonBecomesOneTidyClause) {
    const struct {
        const char* reason;
        const char* said;
    } cases[] = {
        {"ALSA: Couldn't open audio device: No such file or directory",
         "ALSA: Couldn't open audio device: No such file or directory"},
        {"No available audio device.", "No available audio device"},
        {"  Device busy...  ", "Device busy"},
        {"first line\r\nsecond \t line\r\n", "first line second line"},
        {"", "no reason was given"},
        {" . ", "no reason was given"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nodevicemessage(c.reason),
                  std::string("Zelvo could not open a sound device: ") + c.said +
                      ".  Check that your sound server is running and that a sound card or "
                      "headphones are connected, then start Zelvo again.")
            << c.reason;
    }
}

}  // namespace
}  // namespace zelvo
