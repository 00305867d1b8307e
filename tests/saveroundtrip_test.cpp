// Saves of played games: loading and saving again gives the same file and the same game, and
// a save cut off at any point leaves the previous one whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/files.h"
#include "persist/loadgame.h"
#include "persist/savegame.h"
#include "persist/saverecords.h"
#include "reports/gameend.h"
#include "sim/day.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

// One saved field of a game: where it is, and its value as the game holds it.
struct Field {
    std::string name;
    std::string text;
    double number = 0;
};

// Collects the saved fields of a game as the save walks them.
class FieldRecorder {
public:
    void text(const char* name, const std::string& value) { add(name).text = value; }
    void number(const char* name, double value) { add(name).number = value; }
    void enter(const char* what, int index) {
        where_.push_back(std::string(what) + " " + std::to_string(index) + ", ");
    }
    void leave() { where_.pop_back(); }
    std::vector<Field> fields;

private:
    Field& add(const char* name) {
        std::string place;
        for (const auto& part : where_) place += part;
        fields.push_back({place + name, "", 0});
        return fields.back();
    }
    std::vector<std::string> where_;
};

std::vector<Field> savedfields(const GameState& s) {
    FieldRecorder recorder;
    walksave(s, recorder);
    return recorder.fields;
}

// The first saved field in which two games differ, with both values; empty when none does.
std::string firstdifference(const GameState& a, const GameState& b) {
    const auto left = savedfields(a), right = savedfields(b);
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
        const Field &x = left[i], &y = right[i];
        if (x.name != y.name) return "the records part at " + x.name + " and " + y.name;
        if (x.text != y.text || !(x.number == y.number))
            return x.name + ": \"" + x.text + "\" " + std::to_string(x.number) + " against \"" +
                   y.text + "\" " + std::to_string(y.number);
    }
    if (left.size() != right.size()) return "one game has more saved fields";
    return "";
}

TEST(SaveRecords, TheComparisonNamesTheFirstDifferentField) {
    StartedGame game;
    GameState other = game.z.s;
    EXPECT_EQ(firstdifference(game.z.s, other), "");
    other.aisle[3][2].price += 0.001;
    other.item[7].description = "changed";
    EXPECT_EQ(firstdifference(game.z.s, other).rfind("store 3, aisle 2, price: ", 0), 0u)
        << firstdifference(game.z.s, other);
    other.aisle[3][2].price = game.z.s.aisle[3][2].price;
    EXPECT_EQ(firstdifference(game.z.s, other).rfind("item 7, description: ", 0), 0u);
}

// Names that test every byte a line of text can hold: long, non-ASCII, with commas, quotes,
// blanks at either end.
const char* const kNames[] = {
    "Zoë Ångström-Łukasiewicz of Åland, née Ñúñez, \"the Great\", "
    "— 北京 商店 🛒 and sons",
    "  Façade & Co., Ltd.  ",
    "Ярмарка «Щедрая» у Ёлки",
    "O'Brien's \"Best\" Bargains, Inc.",
};

// A game played for a while from its seed: the rivals borrow, build and buy features, and
// one of them is driven out of the game on the way.
struct PlayedGame {
    explicit PlayedGame(int seed) : game(true, {seed, 2026}) {
        GameState& s = game.z.s;
        std::mt19937 draw(static_cast<unsigned>(seed));
        for (int p = 1; p <= s.game.playercount; ++p) {
            std::string long_name = kNames[(seed + p) % 4];
            while (long_name.size() < 200) long_name += " " + std::string(kNames[p % 4]);
            s.store[p].ownername = p == 1 ? long_name : s.store[p].ownername + " " + kNames[p % 4];
            s.store[p].storename = kNames[(seed + p + 1) % 4];
        }
        s.human().money = 1e7;  // the player, idle, stays in the game
        bankrupt = 2 + seed % 4;
        bankruptday = std::uniform_int_distribution<int>(1, 200)(draw);
        days = std::uniform_int_distribution<int>(1, 500)(draw);
    }
    void play(int count) {
        for (int n = 0; n < count; ++n) {
            processday(game.z);
            if (++played == bankruptday) AIlost(game.z, bankrupt);
        }
        game.take();
    }
    StartedGame game;
    int bankrupt = 0, bankruptday = 0, days = 0, played = 0;
};

TEST(SaveRoundTrip, PlayedGamesLoadAsTheyWereAndSaveAgainToTheSameBytes) {
    int loans = 0, building = 0, features = 0, outofgame = 0, midmonth = 0;
    for (int seed = 1; seed <= 12; ++seed) {
        PlayedGame played(seed * 7919);
        // Saved twice in each game: after its first stretch and after as many days again.
        for (int round = 0; round < 2; ++round) {
            played.play(played.days);
            const GameState& s = played.game.z.s;
            loans += s.game.loancount > 0;
            features += !s.store[3].features.empty();
            outofgame += s.store[played.bankrupt].active == 0;
            midmonth += s.calendar.day != 1 && s.calendar.day != 30;
            for (int p = 1; p <= 5; ++p)
                for (int a = 1; a <= s.store[p].aislecount; ++a) building += s.aisle[p][a].item < 0;

            // Through the automatic save, which writes the same bytes without waiting for the
            // disk.
            savegame(played.game.z, "lastsave");
            const std::string first = played.game.folder.read("lastsave");
            ASSERT_EQ(first, savetext(s)) << seed;
            // Into another game, started from another seed, so nothing comes from memory.
            StartedGame other(true, {seed, 2027});
            other.folder.write("first", first);
            loadgame(other.z, "first");
            ASSERT_EQ(other.take(), Lines{"say: Game loaded."}) << seed;
            EXPECT_EQ(firstdifference(s, other.z.s), "") << "seed " << seed << " round " << round;
            savegame(other.z, "lastsave");
            EXPECT_EQ(other.folder.read("lastsave"), first) << seed;
        }
    }
    // Every kind of record was there in some game.
    EXPECT_GT(loans, 0);
    EXPECT_GT(building, 0);
    EXPECT_GT(features, 0);
    EXPECT_GT(outofgame, 0);
    EXPECT_GT(midmonth, 0);
}

TEST(SaveRoundTrip, ARivalWhoseNameBeginsWithAStarStaysInTheGame) {
    StartedGame game;
    GameState& s = game.z.s;
    s.store[2].ownername = "*Star";   // an opponent named so in the custom AI menu
    s.store[3].ownername = "**Gone";  // and one out of the game
    s.store[3].active = 0;
    s.human().ownername = "*Ann";  // the player's name is never read as out of the game
    savegame(game.z, "stars");
    s.store[2].active = s.store[3].active = 1;
    loadgame(game.z, "stars");
    EXPECT_EQ(game.take().back(), "say: Game loaded.");
    EXPECT_EQ(s.store[2].active, 1);
    EXPECT_EQ(s.store[2].ownername, "Star");
    EXPECT_EQ(s.store[3].active, 0);
    EXPECT_EQ(s.store[3].ownername, "Gone");
    EXPECT_EQ(s.human().ownername, "*Ann");
}

// The tests that fail the system's calls one by one take the POSIX calls' shape here, and
// the Win32 calls' in windows/files_win32_test.cpp.
#ifndef _WIN32
// A write that gives out once `budget` bytes are written, as a full disk does; the bytes
// before it reach the file, in pieces of at most `piece`.
ssize_t writeupto(std::size_t& budget, std::size_t piece, int fd, const void* data,
                  std::size_t size) {
    if (budget == 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t n = std::min({size, budget, piece});
    const ssize_t written = ::write(fd, data, n);
    if (written > 0) budget -= static_cast<std::size_t>(written);
    return written;
}

std::size_t filesin(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

TEST(InterruptedSave, AFailureAtAnyPointKeepsThePreviousSaveAndLeavesNothingBehind) {
    PlayedGame played(4242);
    played.play(150);
    StartedGame& game = played.game;
    savegame(game.z, "kept");
    game.take();
    const std::string previous = game.folder.read("kept");
    const GameState before = game.z.s;
    played.play(40);
    const std::string next = savetext(game.z.s);
    ASSERT_NE(next, previous);
    const std::string path = game.folder.file("kept");
    const std::size_t files = filesin(game.folder.path());

    auto check = [&](const std::string& what, const FileCalls& calls) {
        EXPECT_NE(replacefile(path, next, true, calls), "") << what;
        EXPECT_EQ(game.folder.read("kept"), previous) << what;
        EXPECT_EQ(filesin(game.folder.path()), files) << what << ": a temporary file is left";
    };
    // The disk fills after every line's end, written in one piece, and at every 97th byte,
    // written in pieces of a page as a busy system may take them.
    auto cut = [&](std::size_t at, std::size_t piece) {
        FileCalls calls = systemfilecalls();
        std::size_t budget = at;
        calls.write = [&](int fd, const void* data, std::size_t size) {
            return writeupto(budget, piece, fd, data, size);
        };
        check("cut at byte " + std::to_string(at), calls);
    };
    for (std::size_t at = 0; at < next.size(); at = next.find("\r\n", at) + 2) {
        cut(at, next.size());
        if (next.find("\r\n", at) == std::string::npos) break;
    }
    for (std::size_t at = 1; at < next.size(); at += 97) cut(at, 4096);
    // Each later step failing: the data cannot reach the disk, closing reports a delayed
    // write error, the rename is refused.
    FileCalls nosync = systemfilecalls(), noclose = nosync, norename = nosync;
    nosync.sync = [](int) {
        errno = EIO;
        return -1;
    };
    noclose.close = [](int fd) {
        ::close(fd);
        errno = EIO;
        return -1;
    };
    norename.rename = [](const char*, const char*) {
        errno = EACCES;
        return -1;
    };
    check("sync", nosync);
    check("close", noclose);
    check("rename", norename);

    // The file that survived is the previous game, whole.
    StartedGame other(true, {1, 2027});
    other.folder.write("kept", game.folder.read("kept"));
    loadgame(other.z, "kept");
    EXPECT_EQ(other.take(), Lines{"say: Game loaded."});
    EXPECT_EQ(firstdifference(before, other.z.s), "");
    // And with nothing failing the new save takes its place.
    EXPECT_EQ(replacefile(path, next, true), "");
    EXPECT_EQ(game.folder.read("kept"), next);
    EXPECT_EQ(filesin(game.folder.path()), files);
}

#endif

TEST(InterruptedSave, TheDataReachesTheDiskBeforeTheRenameOnlyForThePlayersOwnSaves) {
    testing::TempFolder folder;
    const std::string path = folder.file("a save");
    enum class Way { Replace, Durable, Rewrite };
    const struct {
        Way way;
        const char* order;
    } cases[] = {
        {Way::Replace, "write close rename"},
        {Way::Durable, "write sync close rename"},
        {Way::Rewrite, "write truncate close exchange"},  // the automatic save
    };
    for (const auto& c : cases) {
        std::string order;
        const FileCalls& system = systemfilecalls();
        auto noted = [&](const char* name, auto call) {
            return [&order, name, call](auto&&... arguments) {
                order += order.empty() ? name : std::string(" ") + name;
                return call(std::forward<decltype(arguments)>(arguments)...);
            };
        };
        FileCalls calls{noted("write", system.write),       noted("sync", system.sync),
                        noted("close", system.close),       noted("rename", system.rename),
                        noted("truncate", system.truncate), noted("exchange", system.exchange)};
        const std::string error = c.way == Way::Rewrite ? rewritefile(path, "one buffer\r\n", calls)
                                                        : replacefile(path, "one buffer\r\n",
                                                                      c.way == Way::Durable, calls);
        EXPECT_EQ(error, "");
        EXPECT_EQ(order, c.order);
    }
}

#ifndef _WIN32
// The automatic save writes over its swap file and trades names with it: cut at any point
// it keeps the previous save whole and leaves no part-written swap file behind, and whole it
// makes no new file.
TEST(InterruptedSave, TheAutomaticSaveCutAtAnyPointKeepsThePreviousOne) {
    testing::TempFolder folder;
    const std::string path = folder.file("lastsave"), swap = swapfileof(path);
    const std::string older(30000, 'o'), previous(27000, 'p'), next(28000, 'n');
    ASSERT_EQ(rewritefile(path, older), "");
    ASSERT_EQ(rewritefile(path, previous), "");
    EXPECT_EQ(folder.read(".lastsave.swap"), older);

    auto check = [&](const std::string& what, const FileCalls& calls) {
        EXPECT_NE(rewritefile(path, next, calls), "") << what;
        EXPECT_EQ(folder.read("lastsave"), previous) << what;
        EXPECT_FALSE(std::filesystem::exists(swap)) << what;
        EXPECT_EQ(filesin(folder.path()), 1u) << what;
        ASSERT_EQ(rewritefile(path, previous), "");  // the swap file as it was: whole
    };
    for (std::size_t at = 0; at < next.size(); at += 997) {
        FileCalls calls = systemfilecalls();
        std::size_t budget = at;
        calls.write = [&](int fd, const void* data, std::size_t size) {
            return writeupto(budget, 4096, fd, data, size);
        };
        check("cut at byte " + std::to_string(at), calls);
    }
    auto refused = [](int error) {
        return [error](auto...) {
            errno = error;
            return -1;
        };
    };
    FileCalls notruncate = systemfilecalls(), noclose = notruncate, noexchange = notruncate;
    notruncate.truncate = refused(EIO);
    noclose.close = [](int fd) {
        ::close(fd);
        errno = EIO;
        return -1;
    };
    noexchange.exchange = refused(EACCES);
    check("truncate", notruncate);
    check("close", noclose);
    check("exchange", noexchange);

    // Whole, the two names trade places: the swap file keeps the save before, and the save
    // is the very file the swap file was.
    const auto inode = [](const std::string& file) {
        struct stat info {};
        return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
    };
    const auto written = inode(swap), replaced = inode(path);
    EXPECT_EQ(rewritefile(path, next), "");
    EXPECT_EQ(folder.read("lastsave"), next);
    EXPECT_EQ(folder.read(".lastsave.swap"), previous);
    EXPECT_EQ(inode(path), written);
    EXPECT_EQ(inode(swap), replaced);

    // A file system that cannot trade names gets the swap file renamed over the save.
    FileCalls cannot = systemfilecalls();
    cannot.exchange = refused(EINVAL);
    EXPECT_EQ(rewritefile(path, older, cannot), "");
    EXPECT_EQ(folder.read("lastsave"), older);
    EXPECT_FALSE(std::filesystem::exists(swap));
}

// Whatever stands under the swap file's name is never written into: a link to a player's
// file, or a file that another name shares, is dropped and a swap file of its own made.
TEST(InterruptedSave, TheAutomaticSaveWritesOnlyIntoASwapFileOfItsOwn) {
    testing::TempFolder folder;
    const std::string path = folder.file("lastsave"), swap = swapfileof(path);
    folder.write("mine", "a player's file");
    for (bool link : {true, false}) {
        std::filesystem::remove(swap);
        if (link)
            std::filesystem::create_symlink(folder.file("mine"), swap);
        else
            std::filesystem::create_hard_link(folder.file("mine"), swap);
        EXPECT_EQ(rewritefile(path, "a game\r\n"), "") << link;
        EXPECT_EQ(rewritefile(path, "the next\r\n"), "") << link;
        EXPECT_EQ(folder.read("lastsave"), "the next\r\n") << link;
        EXPECT_EQ(folder.read("mine"), "a player's file") << link;
    }
    std::filesystem::remove(swap);
    std::filesystem::create_directory(swap);
    EXPECT_NE(rewritefile(path, "a third\r\n"), "");
    EXPECT_EQ(folder.read("lastsave"), "the next\r\n");
}

// A game stopped in the middle of a save leaves its temporary file; the next start-up
// removes it, and nothing of another running game or of the player's.
TEST(InterruptedSave, TheNextStartRemovesWhatAStoppedSaveLeft) {
    testing::TempFolder folder;
    const std::string self = std::to_string(::getpid()), parent = std::to_string(::getppid());
    const struct {
        std::string name;
        bool removed;
    } files[] = {
        {".zelvo-" + self + "-3.tmp", true},  // a process of this number made none yet
        {".zelvo-999999999-0.tmp", true},     // no process has so high a number
        {".zelvo-99999999999-0.tmp", false},  // not a number the game writes
        {".zelvo-" + parent + "-1.tmp", false},
        {".zelvo-x-1.tmp", false},
        {".zelvo-12-.tmp", false},
        {"zelvo-999999999-0.tmp", false},
        {"lastsave", false},
        {".lastsave.swap", false},
    };
    for (const auto& f : files) folder.write(f.name, "a game");
    std::filesystem::create_directory(folder.file(".zelvo-999999999-1.tmp"));
    std::filesystem::create_symlink(folder.file("lastsave"), folder.file(".zelvo-999999999-2.tmp"));
    EXPECT_EQ(removeleftovers(folder.path().string()), 2);
    for (const auto& f : files)
        EXPECT_EQ(std::filesystem::exists(folder.file(f.name)), !f.removed) << f.name;
    EXPECT_TRUE(std::filesystem::is_directory(folder.file(".zelvo-999999999-1.tmp")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file(".zelvo-999999999-2.tmp")));
    EXPECT_EQ(folder.read("lastsave"), "a game");
}

#endif

// A save cut short at any line never loads as a game: the file of this version ends with
// the statistics, and only the whole of it is a game.
TEST(InterruptedSave, ASaveCutAtAnyLineIsRefusedAndChangesNothing) {
    PlayedGame played(99);
    played.play(77);
    const std::string whole = savetext(played.game.z.s);
    StartedGame other(true, {5, 2027});
    const GameState before = other.z.s;
    // Every line of the stores, the calendar and the loans, then every seventh line of the
    // items and statistics, whose lines repeat one pattern, and each of the last ones.
    std::size_t line = 0;
    const std::size_t lines =
        static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '\n'));
    for (std::size_t at = whole.find("\r\n"); at != std::string::npos;
         at = whole.find("\r\n", at + 2)) {
        if (at + 2 == whole.size()) break;
        if (++line > 400 && line + 50 < lines && line % 7 != 0) continue;
        // A new file each time: rewriting one file would wait for the disk every time.
        const std::string name = "cut at " + std::to_string(at + 2);
        other.folder.write(name, whole.substr(0, at + 2));
        loadgame(other.z, name);
        ASSERT_EQ(other.take(), Lines{"say: Error loading game."}) << "cut at byte " << at + 2;
    }
    EXPECT_EQ(firstdifference(before, other.z.s), "");
}

}  // namespace
}  // namespace zelvo
