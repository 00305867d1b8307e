// The saved games the Load and Save boxes offer, and names typed in another letter case.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "persist/loadgame.h"
#include "persist/savegame.h"
#include "persist/savelist.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::StartedGame;
using Lines = std::vector<std::string>;

const std::string kSaves = std::string(ZELVO_TEST_SOURCES) + "/saves/";

// A started game holding a loaded save, which writes saves of its own on given dates.
struct Folder {
    Folder() {
        fs::copy_file(kSaves + "1.1-first-month", game.folder.file("start"));
        loadgame(game.z, "start");
        fs::remove(game.folder.file("start"));
        game.take();
    }
    void save(const std::string& name, int month, int day, int year, int age) {
        game.z.s.calendar.month = month;
        game.z.s.calendar.day = day;
        game.z.s.calendar.year = year;
        savegame(game.z, name);
        aged(name, age);
    }
    // The file as if last written `age` minutes ago; links are aged themselves.
    void aged(const std::string& name, int age) {
        const auto when = fs::file_time_type::clock::now() - std::chrono::minutes(age);
        fs::last_write_time(game.folder.file(name), when);
    }
    std::vector<std::string> heard() {
        std::vector<std::string> said;
        for (const InputChoice& choice : savechoices(game.z).list)
            said.push_back(choice.text + " | " + choice.spoken);
        return said;
    }
    StartedGame game;
};

// Symbolic links: Wine cannot make them.
#ifndef _WIN32
TEST(SaveList, SavesOnlyNewestFirstWithTheDateTheGameWouldSay) {
    Folder f;
    EXPECT_EQ(f.heard(), Lines{});
    EXPECT_EQ(savechoices(f.game.z).none, "No saved games.");
    f.save("ann1", 3, 4, 2, 1);
    f.save("Bob", 12, 30, 5, 2);
    f.save("lastsave", 1, 7, 1, 5);  // the automatic save is a game the player can load
    fs::copy_file(kSaves + "0.9-no-statistics", f.game.folder.file("old"));
    f.aged("old", 3);
    // Begins as a save does and ends before its date: heard by its name alone.
    f.game.folder.write("cut", "1.1\r\n 2 \r\n 5 \r\nAnn\r\n");
    f.aged("cut", 3);
    f.game.folder.write("notes.txt", "1.12 is not a version\n");
    f.game.folder.write("empty", "");
    fs::copy_file(f.game.folder.file("ann1"), f.game.folder.file(".hidden"));
    fs::create_directory(f.game.folder.file("1.1"));
    fs::create_symlink("Bob", f.game.folder.file("link"));
    fs::create_symlink("nowhere", f.game.folder.file("broken"));
    EXPECT_EQ(f.heard(),
              (Lines{"ann1 | ann1, March 4, 2031.", "Bob | Bob, December 30, 2034.",
                     "link | link, December 30, 2034.", "cut | cut", "old | old, January 25, 2030.",
                     "lastsave | lastsave, January 7, 2030."}));
}
#endif

// Names that differ only in letter case: Windows keeps one of them.
#ifndef _WIN32
TEST(SaveList, ATypedNameFindsASaveInAnyLetterCase) {
    Folder f;
    f.save("ann1", 1, 2, 1, 3);
    f.save("ANN2", 1, 2, 1, 2);
    // Saving as Ann2 would replace ANN2: two such games come from elsewhere.
    fs::copy_file(f.game.folder.file("ANN2"), f.game.folder.file("Ann2"));
    f.aged("Ann2", 1);
    f.game.folder.write("Notes", "not a save\n");
    fs::create_directory(f.game.folder.file("dir"));
    const std::string folder = f.game.folder.path().string();
    const struct {
        const char* typed;
        const char* file;
    } cases[] = {
        {"ann1", "ann1"},     {"ANN1", "ann1"},       {"ann2", "Ann2"},  // the newest of two
        {"ANN2", "ANN2"},     {"notes", "notes"},     {"DIR", "DIR"},    // saves only
        {"nobody", "nobody"}, {"../ann1", "../ann1"},
    };
    for (const auto& c : cases) EXPECT_EQ(savefilename(folder, c.typed), c.file) << c.typed;
}
#endif

// Names that differ only in letter case: Windows keeps one of them.
#ifndef _WIN32
TEST(SaveList, LoadingAndSavingUnderAnotherLetterCaseUseTheSaveThatIsThere) {
    Folder f;
    f.save("ann1", 3, 4, 2, 1);
    f.game.take();
    f.game.z.s.calendar.day = 9;
    loadgame(f.game.z, "ANN1");
    EXPECT_EQ(f.game.take(), Lines{"say: Game loaded."});
    EXPECT_EQ(f.game.z.s.calendar.day, 4);

    f.game.z.s.calendar.day = 11;
    savegame(f.game.z, "Ann1");
    EXPECT_EQ(f.game.take(), (Lines{"say: Game saved.", "sound: sounds/game/saved.wav 0 0"}));
    EXPECT_FALSE(fs::exists(f.game.folder.file("Ann1")));
    EXPECT_EQ(savedgames(f.game.folder.path().string()).front().day, 11);

    // The automatic save would write over a game put there under another case.
    f.save("lastsave", 1, 1, 1, 0);
    const std::string automatic = f.game.folder.read("lastsave");
    f.game.take();
    savegame(f.game.z, "LastSave");
    EXPECT_EQ(f.game.take(), (Lines{"say: Game saved.", "sound: sounds/game/saved.wav 0 0"}));
    EXPECT_TRUE(fs::exists(f.game.folder.file("LastSave")));
    EXPECT_EQ(f.game.folder.read("lastsave"), automatic);
}
#endif

}  // namespace
}  // namespace zelvo
