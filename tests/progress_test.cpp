// The preferences file: what is written, what is read back, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/keys.h"
#include "persist/progress.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

TEST(Progress, WritesEveryChoiceAndReadsItBack) {
    StartedGame game;
    GameState& s = game.z.s;
    s.ui.speechoutput = 2;
    s.ui.sapirate = 7;
    s.human().ownername = "Ann";
    s.human().storename = "Ann's, Corner";
    s.game.difficulty = 3;
    s.listcount = 2;
    s.itemlist[1] = {"Default", 63, 1};
    s.itemlist[2] = {"items4.txt", 12, 0};
    s.store[5].ownername = "";
    s.ui.recordsessions = 1;
    saveprogress(game.z);
    EXPECT_EQ(game.folder.read("progress.ini"),
              " 2 \r\n 7 \r\nAnn\r\nAnn's, Corner\r\n 3 \r\n 2 \r\nDefault\r\n 1 \r\n"
              "items4.txt\r\n 0 \r\nDorrin\r\nKai Mart\r\nDezerudi\r\nNeptco\r\nVavudez\r\n"
              "Monkey Barn\r\n\r\nWhite Divils\r\n 1 \r\n");

    StartedGame reread(false);
    std::filesystem::copy_file(game.folder.file("progress.ini"),
                               reread.folder.file("progress.ini"));
    setdefaultnames(reread.z.s);
    readprogress(reread.z);
    const GameState& r = reread.z.s;
    EXPECT_EQ(r.ui.speechoutput, 2);
    EXPECT_EQ(r.ui.sapirate, 7);
    EXPECT_EQ(r.store[1].ownername, "Ann");
    EXPECT_EQ(r.store[1].storename, "Ann's, Corner");
    EXPECT_EQ(r.game.difficulty, 3);
    ASSERT_EQ(r.listcount, 2);
    EXPECT_EQ(r.itemlist[2].name, "items4.txt");
    EXPECT_EQ(r.itemlist[2].enabled, 0);
    EXPECT_EQ(r.itemlist[1].size, 0);  // sizes are not kept in the file
    EXPECT_EQ(r.store[5].ownername, "");
    EXPECT_EQ(r.store[5].storename, "White Divils");
    EXPECT_EQ(r.ui.recordsessions, 1);
}

TEST(Progress, ShortAndDamagedFilesKeepTheDefaults) {
    const struct {
        std::string text;
        int output, rate, difficulty, lists;
        const char* owner;
    } cases[] = {
        {" 1 \r\n 5 \r\n", 1, 5, 1, 0, "Player"},               // two lines only
        {" 1 \r\n 5 \r\nAnn\r\nShop\r\n", 1, 5, 1, 0, "Ann"},   // no difficulty yet
        {" 1 \n 5 \n\nShop\n 2 \n", 1, 5, 2, 0, "Player"},      // bare line feeds, empty name
        {"9\r\n-4\r\nBob\r\nB\r\nxyz\r\n", 0, 2, 1, 0, "Bob"},  // numbers out of range
        {" 0 \r\n 3 \r\nA\r\nB\r\n 1 \r\n 250 \r\n", 0, 3, 1, 0, "A"},  // a count it cannot hold
        {" 0 \r\n 3 \r\nA\r\nB\r\n 1 \r\n 3 \r\n\"items1.txt\" , x\r\n 1 \r\n", 0, 3, 1, 1, "A"},
        {"", 0, 2, 1, 0, "Player"},
        {std::string(1, '\0'), 0, 2, 1, 0, "Player"},
    };
    for (const auto& c : cases) {
        StartedGame game(false);
        setdefaultnames(game.z.s);
        game.folder.write("progress.ini", c.text);
        readprogress(game.z);
        const GameState& s = game.z.s;
        EXPECT_EQ(s.ui.speechoutput, c.output) << c.text;
        EXPECT_EQ(s.ui.sapirate, c.rate) << c.text;
        EXPECT_EQ(s.game.difficulty, c.difficulty) << c.text;
        EXPECT_EQ(s.listcount, c.lists) << c.text;
        EXPECT_EQ(s.store[1].ownername, c.owner) << c.text;
        if (c.text.rfind(" 1 \r\n 5 \r\nAnn", 0) == 0) {
            EXPECT_EQ(s.store[1].storename, "Shop");
        }
        if (c.lists == 1) {
            EXPECT_EQ(s.itemlist[1].name, "items1.txt");
        }
    }
}

// The recording setting came after the older layout's last line: files without it, or
// with a line that is not 0 or 1, leave it off.
TEST(Progress, TheRecordingSettingFollowsTheOpponentsAndOlderFilesLackIt) {
    const std::string older =
        " 0 \r\n 2 \r\nAnn\r\nShop\r\n 1 \r\n 0 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n";
    const struct {
        std::string text;
        int record;
    } cases[] = {
        {older, 0},
        {older + " 1 \r\n", 1},
        {older + " 7 \r\n", 0},
        {older.substr(0, older.size() - 6) + " 1 \r\n", 0},  // the last opponent half there
    };
    for (const auto& c : cases) {
        StartedGame game(false);
        game.folder.write("progress.ini", c.text);
        readprogress(game.z);
        EXPECT_EQ(game.z.s.ui.recordsessions, c.record) << c.text;
    }
}

TEST(Progress, AFolderOrAPipeInsteadOfTheFileIsNoFile) {
    StartedGame folder(false);
    std::filesystem::create_directory(folder.folder.file("progress.ini"));
    std::vector<StartedGame*> games{&folder};
#ifndef _WIN32  // Windows keeps no named pipe in a folder
    StartedGame pipe(false);
    ASSERT_EQ(::mkfifo(pipe.folder.file("progress.ini").c_str(), 0600), 0);
    games.push_back(&pipe);
#endif
    for (StartedGame* game : games) {
        setdefaultnames(game->z.s);
        readprogress(game->z);  // neither throws nor waits for a writer
        EXPECT_EQ(game->z.s.ui.sapirate, 2);
        EXPECT_EQ(game->z.s.human().ownername, "Player");
    }
}

// The system's own reason is told, in POSIX's words here.
#ifndef _WIN32
TEST(Progress, AFileThatCannotBeWrittenIsReportedAndTheOldOneStays) {
    StartedGame game;
    game.press(key::PageUp);
    const std::string before = game.folder.read("progress.ini");
    // A folder below a plain file: nothing can be written there.
    game.folder.write("a file", "");
    const std::string home = game.z.folder;
    game.z.folder = game.folder.file("a file");
    game.take();
    game.press(key::PageUp);
    game.z.folder = home;
    auto lines = game.take();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "say: Sapi rate changed to 4.");
    EXPECT_EQ(lines[1], "say: Your settings could not be saved to progress.ini: Not a directory.");
    EXPECT_EQ(game.folder.read("progress.ini"), before);
}
#endif

}  // namespace
}  // namespace zelvo
