// Where the desktop program keeps the player's files and finds its sounds.
#include "app/folders.h"
#include "app/folderfacts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/paths.h"
#include "core/system.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

TEST(PlayerFolder, ChosenByDirThenPortableThenXdgThenHome) {
    struct Case {
        const char* what;
        std::string dir;
        bool writable;
        bool sounds;
        std::optional<std::string> xdg;
        std::optional<std::string> home;
        std::string folder;
    };
    const std::optional<std::string> none;
    const Case cases[] = {
        {"--dir wins over a portable folder", "/games", true, true, "/x", "/h", "/games"},
        {"--dir wins over an installed game", "/games", false, false, none, none, "/games"},
        {"a build folder keeps its own files", "", true, true, "/x", "/h", "/opt/zelvo/"},
        {"installed, not writable: XDG", "", false, true, "/x", "/h", "/x/zelvo"},
        {"installed, no sounds beside it (run as root): XDG", "", true, false, "/x/", "/h",
         "/x/zelvo"},
        {"XDG unset: home", "", false, false, none, "/h", "/h/.local/share/zelvo"},
        {"XDG empty: home", "", false, false, "", "/h/", "/h/.local/share/zelvo"},
        {"XDG relative is ignored", "", false, false, "data", "/h", "/h/.local/share/zelvo"},
        {"HOME unset, XDG set", "", false, false, "/x", none, "/x/zelvo"},
    };
    for (const Case& c : cases) {
        FolderFacts facts{c.dir, "/opt/zelvo/", c.writable, c.sounds, c.xdg, c.home, std::nullopt};
        const FolderChoice choice = choosePlayerFolder(facts);
        EXPECT_EQ(choice.folder, c.folder) << c.what;
        EXPECT_EQ(choice.problem, "") << c.what;
    }
}

TEST(PlayerFolder, OnWindowsChosenByDirThenPortableThenAppData) {
    const struct {
        const char* what;
        std::string dir;
        bool writable, sounds;
        std::string appdata, folder;
    } cases[] = {
        {"--dir wins", "D:\\games", true, true, "C:\\A", "D:\\games"},
        {"the .exe's folder, with sounds\\ and room to write", "", true, true, "C:\\A",
         "C:\\Zelvo\\"},
        {"installed in Program Files: not writable", "", false, true, "C:\\A", "C:\\A\\Zelvo"},
        {"no sounds\\ beside it", "", true, false, "C:\\A\\", "C:\\A\\Zelvo"},
        {"%APPDATA% empty: the home folder's place", "", false, false, "", "/h/.local/share/zelvo"},
    };
    for (const auto& c : cases) {
        FolderFacts facts{c.dir,        "C:\\Zelvo\\", c.writable, c.sounds,
                          std::nullopt, "/h",          c.appdata};
        EXPECT_EQ(choosePlayerFolder(facts).folder, c.folder) << c.what;
    }
}

// The facts as the machine gives them: a program folder with its sounds beside it and room
// to write is a portable game's, whatever its name is spelled in.
TEST(PlayerFolder, TheMachinesFactsOfAPortableGame) {
    testing::TempFolder folder;
    const std::string program = folder.file("Zelvo Ünïcode");
    std::filesystem::create_directories(pathof(program + "/sounds"));
    const FolderFacts facts = gatherfolderfacts("", program);
    EXPECT_TRUE(facts.programwritable);
    EXPECT_TRUE(facts.soundsbeside);
    EXPECT_EQ(choosePlayerFolder(facts).folder, program);
    EXPECT_FALSE(gatherfolderfacts("", folder.file("nowhere")).programwritable);
    EXPECT_FALSE(gatherfolderfacts("", utf8of(folder.path())).soundsbeside);
    // Asking leaves nothing behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pathof(program)),
                            std::filesystem::directory_iterator()),
              1);
#ifdef _WIN32
    EXPECT_EQ(facts.appdata, std::optional<std::string>(utf8fromwide(_wgetenv(L"APPDATA"))));
#endif
}

TEST(PlayerFolder, NoHomeAndNoXdgIsAProblemNamingTheWayOut) {
    for (const std::optional<std::string>& home : {std::optional<std::string>(), {""}}) {
        FolderFacts facts{"", "/usr/games/", false, false, std::nullopt, home, std::nullopt};
        const FolderChoice choice = choosePlayerFolder(facts);
        EXPECT_EQ(choice.folder, "");
        EXPECT_NE(choice.problem.find("--dir"), std::string::npos) << choice.problem;
    }
}

TEST(SoundFolder, BesideTheProgramFirstThenInstalledThenTheProgram) {
    const std::string installed = "../share/zelvo";
    auto with = [](std::set<std::string> folders) {
        return [folders](const std::string& path) { return folders.count(path) > 0; };
    };
    EXPECT_EQ(chooseSoundFolder("/b/", installed, with({"/b/sounds", "/b/../share/zelvo/sounds"})),
              "/b/");
    EXPECT_EQ(
        chooseSoundFolder("/usr/games", installed, with({"/usr/games/../share/zelvo/sounds"})),
        "/usr/games/../share/zelvo");
    EXPECT_EQ(chooseSoundFolder("/b/", installed, with({})), "/b/");
}

// The system's own reason is told, in POSIX's words here; Wine cannot remove a file still open.
#ifndef _WIN32
TEST(PlayerFolder, MadeWithItsParentsOrRefusedWithTheReason) {
    const std::filesystem::path root =
        std::filesystem::path(::testing::TempDir()) / "zelvo-folders-test";
    std::filesystem::remove_all(root);
    std::string problem;
    const std::string nested = (root / "data" / "zelvo").string();
    ASSERT_TRUE(makePlayerFolder(nested, problem)) << problem;
    EXPECT_TRUE(std::filesystem::is_directory(nested));
    EXPECT_TRUE(makePlayerFolder(nested, problem)) << "an existing folder is fine";

    const std::string blocked = (root / "file").string();
    std::ofstream(blocked) << "mine";
    EXPECT_FALSE(makePlayerFolder(blocked, problem));
    EXPECT_EQ(problem.rfind("the folder for your games, " + blocked + ", cannot be made: ", 0), 0u)
        << problem;
    std::ifstream kept(blocked);
    std::string text;
    kept >> text;
    EXPECT_EQ(text, "mine") << "the file in the way is left alone";
    std::filesystem::remove_all(root);
}
#endif

}  // namespace
}  // namespace zelvo
