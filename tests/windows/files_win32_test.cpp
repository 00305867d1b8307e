// The Win32 file calls under the game: names beyond ASCII, the names Windows keeps for
// itself, replacements failed at each step, and the temporary files of stopped games.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "core/files.h"
#include "core/paths.h"
#include "core/system.h"
#include "persist/loadgame.h"
#include "persist/savegame.h"
#include "persist/savelist.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using testing::TempFolder;
using Lines = std::vector<std::string>;

std::size_t filesin(const TempFolder& folder) {
    return static_cast<std::size_t>(std::distance(
        std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()));
}

bool saidsomewhere(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Win32Files, ASaveNamedBeyondAsciiIsWrittenListedAndLoaded) {
    StartedGame game;
    const std::string name = "Účet Ωμέγα 北京 ß";
    game.take();
    savegame(game.z, name);
    EXPECT_TRUE(saidsomewhere(game.take(), "say: Game saved."));
    // Windows holds it under the same letters, not under the code page's guess at them.
    EXPECT_NE(GetFileAttributesW((game.folder.path() / L"Účet Ωμέγα 北京 ß").c_str()),
              INVALID_FILE_ATTRIBUTES);
    const auto files = listfolder(game.z.folder);
    EXPECT_EQ(std::count_if(files.begin(), files.end(),
                            [&](const FolderFile& f) { return f.name == name; }),
              1);
    const auto saves = savedgames(game.z.folder);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].name, name);
    const std::string text = savetext(game.z.s);
    game.z.s.human().ownername = "Someone else";
    loadgame(game.z, name);
    EXPECT_EQ(game.take(), Lines{"say: Game loaded."});
    EXPECT_EQ(savetext(game.z.s), text);
}

// Each is refused with its reason before any call of the system sees it: "save." would
// quietly become "save", and "CON" is the console.
TEST(Win32Files, EveryNameWindowsKeepsIsRefusedAndNeverHandedToTheSystem) {
    TempFolder folder;
    const std::string device = " is a name that Windows keeps for a device";
    const std::string character = " holds a character that Windows keeps for itself";
    const std::string ending = " ends in a dot or a blank, which Windows drops";
    const struct {
        std::string name, why;
    } refused[] = {
        {"CON", device},        {"con.txt", device},     {"PRN", device},
        {"Aux.tar.gz", device}, {"NUL", device},         {"nul .sav", device},
        {"COM1", device},       {"com9.txt", device},    {"LPT1", device},
        {"lpt5.x", device},     {"COM\xC2\xB9", device}, {"LPT\xC2\xB3.txt", device},
        {"CONIN$", device},     {"conout$", device},     {"save.", ending},
        {"save ", ending},      {"a<b", character},      {"a>b", character},
        {"a:b", character},     {"a\"b", character},     {"a|b", character},
        {"a?b", character},     {"a*b", character},      {"tab\there", character},
    };
    for (const auto& r : refused) {
        const std::string path = folder.file(r.name);
        EXPECT_EQ(replacefile(path, "a game\r\n", true), r.name + r.why) << r.name;
        EXPECT_EQ(rewritefile(path, "a game\r\n"), r.name + r.why) << r.name;
        EXPECT_FALSE(appendtofile(path, "a line\r\n")) << r.name;
        EXPECT_EQ(readregularfile(path), std::nullopt) << r.name;
        EXPECT_EQ(openfile(path, "wb"), nullptr) << r.name;
        EXPECT_EQ(filesin(folder), 0u) << r.name;
    }
    // Names that only look like them are anyone's.
    for (const std::string name : {"CONSOLE", "COM10", "NULL.txt", "lpt", "a.b.c", ".hidden"}) {
        EXPECT_EQ(replacefile(folder.file(name), "kept\r\n"), "") << name;
        EXPECT_EQ(readregularfile(folder.file(name)), "kept\r\n") << name;
    }
}

// A write that gives out once `budget` bytes are written, as a full disk does.
bool writeupto(std::size_t& budget, FileHandle file, const void* data, std::size_t size,
               std::size_t& written) {
    if (budget == 0) {
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    const std::size_t piece = std::min({size, budget, std::size_t{4096}});
    const bool ok = systemfilecalls().write(file, data, piece, written);
    budget -= written;
    return ok;
}

// Hands `check` the system's calls with the writing cut short after every `step` bytes of a
// text of `size`.
void everycut(std::size_t size, std::size_t step,
              const std::function<void(const std::string&, const FileCalls&)>& check) {
    for (std::size_t at = 0; at < size; at += step) {
        FileCalls calls = systemfilecalls();
        std::size_t budget = at;
        calls.write = [&budget](FileHandle file, const void* data, std::size_t n,
                                std::size_t& written) {
            return writeupto(budget, file, data, n, written);
        };
        check("cut at byte " + std::to_string(at), calls);
    }
}

auto refused(DWORD error) {
    return [error](auto&&...) {
        SetLastError(error);
        return false;
    };
}

bool closedbutfailed(FileHandle file) {
    CloseHandle(file);
    SetLastError(ERROR_DEV_NOT_EXIST);
    return false;
}

TEST(Win32Files, AReplaceFailedAtAnyStepKeepsTheOldSaveWholeAndNoTemporaryFile) {
    StartedGame game;
    savegame(game.z, "kept");
    const std::string previous = game.folder.read("kept");
    const GameState before = game.z.s;
    game.z.s.human().ownername = "Another";
    game.z.s.human().money += 1234.5;
    const std::string next = savetext(game.z.s);
    const std::string path = game.folder.file("kept");
    const std::size_t files = filesin(game.folder);

    auto check = [&](const std::string& what, const FileCalls& calls) {
        EXPECT_EQ(replacefile(path, next, true, calls).empty(), false) << what;
        EXPECT_EQ(game.folder.read("kept"), previous) << what;
        EXPECT_EQ(filesin(game.folder), files) << what << ": a temporary file is left";
    };
    everycut(next.size(), 1999, check);
    FileCalls noflush = systemfilecalls(), noclose = noflush, noreplace = noflush;
    noflush.sync = refused(ERROR_WRITE_FAULT);
    noclose.close = closedbutfailed;
    noreplace.rename = refused(ERROR_ACCESS_DENIED);
    check("flush", noflush);
    check("close", noclose);
    check("replace", noreplace);
    // Windows's reason reads as a clause, as the POSIX ones do: the game ends the sentence.
    const std::string why = replacefile(path, next, true, noreplace);
    ASSERT_FALSE(why.empty());
    EXPECT_EQ(why.find_last_of(".\r\n"), std::string::npos) << why;

    // What survived is the game before, whole; and with nothing failing the new one is put
    // in its place.
    loadgame(game.z, "kept");
    EXPECT_EQ(savetext(game.z.s), savetext(before));
    EXPECT_EQ(replacefile(path, next, true), "");
    EXPECT_EQ(game.folder.read("kept"), next);
    EXPECT_EQ(filesin(game.folder), files);
}

// The automatic save: its swap file is written, then trades places with the save; failed at
// any step, the save before stays whole and no swap file is left part-written.
TEST(Win32Files, TheAutomaticSaveFailedAtAnyStepKeepsThePreviousOne) {
    TempFolder folder;
    const std::string path = folder.file("lastsave");
    const std::string older(30000, 'o'), previous(27000, 'p'), next(28000, 'n');
    ASSERT_EQ(rewritefile(path, older), "");
    ASSERT_EQ(rewritefile(path, previous), "");
    EXPECT_EQ(folder.read("lastsave"), previous);
    EXPECT_EQ(folder.read(".lastsave.swap"), older);

    auto check = [&](const std::string& what, const FileCalls& calls) {
        EXPECT_NE(rewritefile(path, next, calls), "") << what;
        EXPECT_EQ(folder.read("lastsave"), previous) << what;
        EXPECT_EQ(filesin(folder), 1u) << what << ": a swap or temporary file is left";
        ASSERT_EQ(rewritefile(path, previous), "");  // the swap file back: whole
    };
    everycut(next.size(), 4999, check);
    FileCalls notruncate = systemfilecalls(), noclose = notruncate, noexchange = notruncate;
    notruncate.truncate = refused(ERROR_DISK_FULL);
    noclose.close = closedbutfailed;
    noexchange.exchange = refused(ERROR_SHARING_VIOLATION);
    check("truncate", notruncate);
    check("close", noclose);
    check("exchange", noexchange);

    EXPECT_EQ(rewritefile(path, next), "");
    EXPECT_EQ(folder.read("lastsave"), next);
    EXPECT_EQ(folder.read(".lastsave.swap"), previous);
    EXPECT_EQ(filesin(folder), 2u);
}

// A process of this program, stopped before it runs: alive until it is ended.
PROCESS_INFORMATION startsuspended() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = std::wstring(L"\"") + self + L"\" --gtest_list_tests";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                               nullptr, nullptr, &startup, &process));
    return process;
}

// A game stopped in the middle of a save leaves its temporary file: the next start-up removes
// it once its process is gone, and nothing of a game still running or of the player's.
TEST(Win32Files, AStaleTemporaryFileIsRemovedOnlyWhenItsProcessIsGone) {
    TempFolder folder;
    const PROCESS_INFORMATION running = startsuspended(), ended = startsuspended();
    TerminateProcess(ended.hProcess, 1);
    WaitForSingleObject(ended.hProcess, INFINITE);
    const std::string live = std::to_string(running.dwProcessId);
    const std::string gone = std::to_string(ended.dwProcessId);
    const std::string self = std::to_string(processid());
    const struct {
        std::string name;
        bool removed;
    } files[] = {
        {".zelvo-" + gone + "-0.tmp", true},
        {".zelvo-" + self + "-3.tmp", true},  // a process of this number made none yet
        {".zelvo-4294967296-0.tmp", true},    // no process has so high a number
        {".zelvo-" + live + "-1.tmp", false},
        {".zelvo-x-1.tmp", false},
        {"zelvo-" + gone + "-0.tmp", false},
        {"lastsave", false},
        {".lastsave.swap", false},
    };
    for (const auto& f : files) folder.write(f.name, "a game");
    std::filesystem::create_directory(pathof(folder.file(".zelvo-" + gone + "-1.tmp")));
    EXPECT_EQ(removeleftovers(utf8of(folder.path())), 3);
    for (const auto& f : files)
        EXPECT_EQ(std::filesystem::exists(pathof(folder.file(f.name))), !f.removed) << f.name;
    EXPECT_TRUE(std::filesystem::is_directory(pathof(folder.file(".zelvo-" + gone + "-1.tmp"))));
    TerminateProcess(running.hProcess, 1);
    for (const PROCESS_INFORMATION& p : {running, ended}) {
        CloseHandle(p.hThread);
        CloseHandle(p.hProcess);
    }
}

}  // namespace
}  // namespace zelvo
