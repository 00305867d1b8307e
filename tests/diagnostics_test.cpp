// The developer's diagnostics and the start-up around them.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/diagnostics.h"
#include "game/startup.h"
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

// A machine with no sound card.
class NoSoundCard : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    bool openSound(int) override { return false; }
};

TEST(Startup, WithoutASoundDeviceTheProgramTellsWhyAndEnds) {
    testing::TempFolder folder;
    std::ostringstream out;
    NoSoundCard platform(out, "title", {1, 2030});
    Zelvo z(platform, folder.path().string());
    EXPECT_THROW(Form_Load(z), ProgramEnded);
    EXPECT_EQ(out.str(),
              "message: Unable to start DirectSound. Check to see that your sound card is "
              "properly installed.  Try running checkup.exe from your game folder.  For some "
              "people, this can correct this issue.\nexit\n");
}

}  // namespace
}  // namespace zelvo
