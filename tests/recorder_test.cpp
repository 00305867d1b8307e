// Recordings: the script a session leaves, and that the script replays the session.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/recorder.h"
#include "app/recordings.h"
#include "app/replayfiles.h"
#include "app/runner.h"
#include "game/startup.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

std::string readfile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string transcripts() {
    return std::string(ZELVO_TEST_SOURCES) + "/transcripts";
}

// The real program's arrangement on the headless machine: the recorder stands between the
// game and the machine.
struct RecordedGame {
    explicit RecordedGame(const fs::path& start = {},
                          HeadlessOptions options = {ZELVO_DEFAULT_SEED, ZELVO_DEFAULT_YEAR})
        : platform(out, windowtitle(kGameVersion), options), recorder(platform) {
        if (!start.empty()) fs::copy(start, folder.path(), fs::copy_options::recursive);
        z = std::make_unique<Zelvo>(recorder, folder.path().string());
        keepfilesread(*z, recorder);
        Form_Load(*z);
    }
    void run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream errors;
        ASSERT_EQ(runscript(*z, platform, in, errors), 0) << errors.str();
    }

    TempFolder folder;
    std::ostringstream out;
    HeadlessPlatform platform;
    SessionRecorder recorder;
    std::unique_ptr<Zelvo> z;
};

// What zelvo-headless prints for a recording, as it reads a recording file, in a folder
// that starts as `start` did (empty when none is given); `errors` gets what it tells there.
std::string replay(const std::string& recording, const fs::path& start = {},
                   std::string* errors = nullptr) {
    TempFolder folder;
    if (!start.empty()) fs::copy(start, folder.path(), fs::copy_options::recursive);
    std::istringstream in(recording);
    std::ostringstream told;
    ReplayFiles files(folder.path().string());
    const ReplayOpening opening = readopening(in, files, told);
    EXPECT_FALSE(opening.fault) << told.str();
    EXPECT_TRUE(opening.start);
    if (!opening.start) return {};
    std::ostringstream out;
    HeadlessPlatform platform(out, windowtitle(kGameVersion),
                              {opening.start->seed, opening.start->year});
    Zelvo z(platform, folder.path().string());
    try {
        Form_Load(z);
        EXPECT_EQ(runscript(z, platform, in, told, opening.lines + 1, &files), 0) << told.str();
    } catch (const ProgramEnded&) {
    }
    if (errors) *errors = told.str();
    return out.str();
}

std::vector<std::string> lineswith(const std::string& text, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(start, 0) == 0) lines.push_back(line.substr(start.size()));
    return lines;
}

TEST(Recording, KeysAreWrittenAsTheRunnerReadsThem) {
    const struct {
        int code, state;
        const char* command;
    } keys[] = {
        {13, 0, "Enter"},          {13, 1, "Shift+Enter"},      {187, 2, "Ctrl+Plus"},
        {40, 5, "Shift+Alt+Down"}, {90, 7, "Shift+Ctrl+Alt+Z"}, {48, 0, "0"},
        {221, 0, "RightBracket"},  {16, 1, "key 16 1"},         {123, 0, "key 123 0"},
        {65, 8, "key 65 8"},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(keycommand(k.code, k.state), k.command);
        if (auto parsed = parsekey(k.command)) {
            EXPECT_EQ(parsed->code, k.code) << k.command;
            EXPECT_EQ(parsed->state, k.state) << k.command;
        }
    }
}

TEST(Recording, TheFirstLineNamesTheSeedAndYear) {
    const std::string line = recordingheader({86399, 2031});
    EXPECT_EQ(line, "# Zelvo recording: --seed 86399 --year 2031");
    auto start = parserecordingheader(line);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->seed, 86399);
    EXPECT_EQ(start->year, 2031);
    for (const char* other :
         {"# a comment --seed 1 --year 2030", "# Zelvo recording: --seed 1",
          "# Zelvo recording: --seed x --year 2030", "# Zelvo recording: --seed 1 --year 0",
          "# Zelvo recording: --seed 99999999999 --year 2030", "Enter"})
        EXPECT_FALSE(parserecordingheader(other)) << other;
}

// The output without what text-entry boxes echoed while they were open: the recording keeps
// what a box returned, not how the player got there (the letters typed, the saved games
// stepped through).
std::string withoutechoes(const std::string& output) {
    std::string kept;
    bool inbox = false;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("answer: ", 0) == 0) inbox = false;
        if (!inbox) kept += line + '\n';
        if (line.rfind("prompt: ", 0) == 0) inbox = true;
    }
    return kept;
}

// Every transcript's session, played with the recorder in place, leaves a recording that
// replays alone, in an empty folder, to exactly what the session printed (its start files
// travel in it), and its comments tell what was said and put in the title.
TEST(Recording, ARecordedSessionReplaysByteForByte) {
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(transcripts())) {
        const fs::path script = entry.path() / "script.keys";
        if (!fs::exists(script)) continue;
        const fs::path start = fs::exists(entry.path() / "files") ? entry.path() / "files" : "";
        const std::string name = entry.path().filename().string();
        RecordedGame game(start);
        game.run(readfile(script));
        const std::string heard = withoutechoes(game.out.str());
        std::string errors;
        EXPECT_EQ(replay(game.recorder.text(), {}, &errors), heard) << name;
        EXPECT_EQ(errors, "") << name;
        for (const char* kind : {"say: ", "title: ", "message: "})
            EXPECT_EQ(lineswith(game.recorder.text(), std::string("# ") + kind),
                      lineswith(heard, kind))
                << name << ", " << kind;
        ++cases;
    }
    EXPECT_GT(cases, 10);
}

// The seed and year the machine gave at the start are the ones the game keeps and the
// recording names, even when the machine's clock moves on.
TEST(Recording, TheGameKeepsTheSeedAndYearItStartedWith) {
    RecordedGame game({}, {4321, 2044});
    EXPECT_EQ(game.recorder.text().substr(0, game.recorder.text().find('\n')),
              "# Zelvo recording: --seed 4321 --year 2044");
    game.run("X\n");
    EXPECT_EQ(lineswith(game.out.str(), "say: ").back(), "January 1, 2044.");
}

// A box answered while its key is handled: the answer goes before that key, where the
// runner must have it queued.
TEST(Recording, AnAnswerComesBeforeTheKeyThatOpenedItsBox) {
    RecordedGame game;
    game.recorder.writeto(game.folder.file("session.txt"));
    game.run("Enter\nEnter\nDown\nanswer Ann Smith\nEnter\nZ\n");
    const std::string& text = game.recorder.text();
    const auto answer = text.find("answer Ann Smith\n");
    ASSERT_NE(answer, std::string::npos) << text;
    EXPECT_LT(answer, text.rfind("Enter\n"));
    EXPECT_GT(answer, text.rfind("Down\n"));
    EXPECT_EQ(readfile(game.folder.file("session.txt")), text);  // rewritten in place
}

TEST(Recording, WritingStartsWithTheWholeSessionAndFollowsIt) {
    RecordedGame game;
    game.run("Down\nZ\n");
    ASSERT_TRUE(game.recorder.writeto(game.folder.file("late.txt")));
    EXPECT_EQ(readfile(game.folder.file("late.txt")), game.recorder.text());
    game.run("Up\n");
    EXPECT_EQ(readfile(game.folder.file("late.txt")), game.recorder.text());
    game.recorder.stopwriting();
    const std::string kept = game.recorder.text();
    game.run("C\n");
    EXPECT_EQ(readfile(game.folder.file("late.txt")), kept);
}

TEST(Recording, AFileThatCannotBeWrittenIsToldAndTheGameGoesOn) {
    for (const char* path : {"/dev/full", ""}) {
        RecordedGame game;
        const bool devfull = *path != '\0';
        const std::string file = devfull ? path : game.folder.file("no/such/folder.txt");
        const std::string why = devfull ? "No space left on device" : "No such file or directory";
        keeprecording(*game.z, game.recorder, file);
        EXPECT_FALSE(game.recorder.writing());
        EXPECT_EQ(lineswith(game.out.str(), "say: ").back(),
                  "The recording could not be written to " + file + ": " + why +
                      ".  The game goes on without it.");
        game.run("Z\n");
        EXPECT_EQ(lineswith(game.out.str(), "say: ").back(), "Zelvo has $50,000.00.");
    }
}

// Copies folders as POSIX does (Wine's copy refuses an existing folder).
#ifndef _WIN32
// F12 turns the player's setting on and off; on, the session so far and each later one go
// to a file of their own in the recordings folder.
TEST(Recording, ThePlayersSettingWritesEverySessionToTheRecordingsFolder) {
    RecordedGame game;
    keeprecording(*game.z, game.recorder, "");
    game.run("Down\nkey 123 0\n");
    EXPECT_EQ(lineswith(game.out.str(), "say: ").back(),
              "Recording on.  This session, from its start, and every one after it are written "
              "to the recordings folder.");
    ASSERT_TRUE(game.recorder.writing());
    const fs::path file = game.recorder.path();
    EXPECT_EQ(file.parent_path(), game.folder.path() / "recordings");
    EXPECT_EQ(readfile(file), game.recorder.text());
    game.run("Z\nkey 123 0\nC\n");
    EXPECT_FALSE(game.recorder.writing());
    EXPECT_EQ(lineswith(game.out.str(), "say: ").back().rfind("Your credit rating is ", 0), 0u);
    const std::string kept = readfile(file);
    const std::string off = "key 123 0\n# say: Recording off.\n";
    ASSERT_GT(kept.size(), off.size());
    EXPECT_EQ(kept.substr(kept.size() - off.size()), off);  // C came after it

    // Turned on again, it lasts: the next start records at once, into a new file.
    game.run("key 123 0\n");
    ASSERT_TRUE(game.recorder.writing());
    EXPECT_NE(fs::path(game.recorder.path()), file);
    RecordedGame restarted(game.folder.path());
    keeprecording(*restarted.z, restarted.recorder, "");
    EXPECT_TRUE(restarted.recorder.writing());
}
#endif

// The system's own reason is told, in POSIX's words here.
#ifndef _WIN32
TEST(Recording, ARecordingsFolderThatCannotBeMadeIsTold) {
    RecordedGame game;
    game.folder.write("recordings", "a file in the folder's place");
    keeprecording(*game.z, game.recorder, "");
    game.run("key 123 0\n");
    EXPECT_FALSE(game.recorder.writing());
    const std::string said = lineswith(game.out.str(), "say: ").back();
    EXPECT_EQ(
        said.rfind("The recording could not be written to " + game.folder.file("recordings/"), 0),
        0u)
        << said;
}

// The player's folder as a session may start it: preferences of an earlier session (a
// store of another name, on Hard), a language file, an items file and a save with CR LF
// line ends.
void playersfolder(const TempFolder& folder) {
    folder.write("progress.ini",
                 " 0 \r\n 2 \r\nBea Stone\r\nBea's Goods\r\n 3 \r\n 1 \r\nDefault\r\n 1 \r\n");
    folder.write("language.txt", "Plain\r\nGame loaded.\r\nYour game is back.\r\n");
    fs::copy(transcripts() + "/item-lists/files/items1.txt", folder.path());
    fs::copy(transcripts() + "/load-game/files/month1", folder.path());
}
#endif

// Copies folders as POSIX does (Wine's copy refuses an existing folder).
#ifndef _WIN32
// The session changes the difficulty, loads a save, plays on, and loads the save again
// after something else wrote over it; its recording, alone in an empty folder, says the
// same. Without its files it would not: they are what the session heard.
TEST(Recording, ASessionThatLoadsASaveReplaysAloneInAnEmptyFolder) {
    TempFolder start;
    playersfolder(start);
    RecordedGame game(start.path());
    game.run(
        "Enter\nEnter\nDown\nDown\nDown\nEnter\nEscape\nDown\nDown\nanswer month1\n"
        "Enter\nZ\ndays 3\n");
    fs::copy(transcripts() + "/late-loan/files/lateloan", game.folder.file("month1"),
             fs::copy_options::overwrite_existing);
    game.run("Escape\nDown\nShift+Enter\nDown\nDown\nDown\nanswer month1\nEnter\nZ\ndays 3\nX\n");

    const std::vector<std::string> heard = lineswith(game.out.str(), "say: ");
    for (const char* line : {"Your name is Bea Stone.  Press Enter to change it.",
                             "Difficulty changed to Easy mode.", "Your game is back."})
        EXPECT_NE(std::find(heard.begin(), heard.end(), line), heard.end()) << line;
    const std::string& recording = game.recorder.text();
    std::string errors;
    EXPECT_EQ(lineswith(replay(recording, {}, &errors), "say: "), heard);
    EXPECT_EQ(errors, "");

    std::string bare;
    std::istringstream in(recording);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("# file ", 0) != 0 && line.rfind("#|", 0) != 0 &&
            line.rfind("# no file: ", 0) != 0)
            bare += line + '\n';
    EXPECT_NE(lineswith(replay(bare), "say: "), heard);
}
#endif

}  // namespace
}  // namespace zelvo
