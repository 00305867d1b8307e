// The files a recording carries: any bytes survive as text, and a replay lays them out
// without ever touching the player's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/fileblocks.h"
#include "app/replayfiles.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

std::vector<std::string> linesof(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The file a block stands for, read as the runner reads a script; nothing when the reader
// finds it damaged.
std::optional<RecordedFile> readback(const std::string& script) {
    FileBlockReader reader;
    std::optional<RecordedFile> file;
    for (const std::string& line : linesof(script)) {
        if (reader.take(line) == FileBlockReader::Line::Fault) return std::nullopt;
        if (auto ended = reader.takeended()) file = ended;
    }
    if (reader.finish() == FileBlockReader::Line::Fault) return std::nullopt;
    if (auto ended = reader.takeended()) file = ended;
    return file;
}

TEST(FileBlocks, AnyContentComesBackByteForByteFromReadableLines) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    std::string huge;
    for (int i = 0; i < 100000; ++i) huge += " " + std::to_string(i) + " \r\n";
    const struct {
        const char* what;
        std::string bytes;
    } files[] = {
        {"empty", ""},
        {"one line feed", "\n"},
        {"no final line break", "a"},
        {"CR LF lines, as saves have", " 1.1\r\n Player\r\n"},
        {"CR LF with no final line break", "x\r\ny"},
        {"a carriage return at the end", "x\r"},
        {"lines that look like a block or a comment",
         "# file 3 bytes: x\n#|abc\n# say: hi\nEnter\n"},
        {"backslashes", "\\\\x41\\r\\\n\\"},
        {"blanks and tabs that end lines", "a  \n\t\nb \t"},
        {"UTF-8", "Zo\xC3\xAB \xE2\x98\x95 \xF0\x9D\x84\x9E\n"},
        {"bytes that are not UTF-8", "\xC3\x28 \xE0\x80\x80 \xED\xA0\x80 \xF4\x90\x80\x80 \xC3"},
        {"every byte", every},
        {"a large file", huge},
    };
    for (const auto& file : files) {
        const std::string block = fileblock({"my save", file.bytes});
        for (const std::string& line : linesof(block)) {
            ASSERT_EQ(line[0], '#') << file.what << ": " << line;
            EXPECT_TRUE(line.back() != ' ' && line.back() != '\t') << file.what << ": " << line;
            for (unsigned char c : line)
                ASSERT_TRUE(c >= 0x20 ? c != 0x7F : c == '\t') << file.what << ": " << line;
        }
        auto back = readback(block + "Enter\n");
        ASSERT_TRUE(back) << file.what;
        EXPECT_EQ(back->name, "my save");
        EXPECT_EQ(back->bytes, file.bytes) << file.what;
    }
    EXPECT_EQ(fileblock({"progress.ini", " 0 \r\nAnn\r\n"}),
              "# file 10 bytes: progress.ini\n#| 0 \\r\n#|Ann\\r\n");
    EXPECT_EQ(fileblock({"language.txt", "Plain"}), "# file 5 bytes: language.txt\n#|Plain\\\n");
    const RecordedFile none{"language.txt", std::nullopt};
    EXPECT_EQ(fileblock(none), "# no file: language.txt\n");
    ASSERT_TRUE(readback(fileblock(none)));
    EXPECT_EQ(readback(fileblock(none))->bytes, std::nullopt);
    EXPECT_EQ(readback(fileblock({"name ends in a blank ", "x"}))->name, "name ends in a blank ");
}

TEST(FileBlocks, ADamagedBlockIsAFaultAndAnOrdinaryCommentIsNot) {
    for (const char* damaged : {
             "# file 5 bytes: a\n#|ab\nEnter\n",    // fewer bytes than it promised
             "# file 5 bytes: a\n#|ab\n",           // cut off at the end of the script
             "# file 2 bytes: a\n#|abc\n",          // more
             "# file 2 bytes: a\n#|\\q\n",          // an escape the writer never makes
             "# file 1 bytes: a\n#|\\x4\n",         // half a byte
             "# file 2 bytes: a\n#|a\\\n#|b\n",     // a line after the file's last
             "#|abc\n",                             // a file's line with no file
             "# no file: a\n#|abc\n",               // lines for no file
             "# file 99999999999 bytes: a\n#|a\n",  // larger than any file the game reads
             "# file 99999999999999999999999 bytes: a\n",
         })
        EXPECT_FALSE(readback(damaged)) << damaged;
    for (const char* comment : {"# file of the day", "# file 12 bytes:", "# file x bytes: a",
                                "# no file: ", "# file 3 bytes: bad \\q name", "# say: #|"}) {
        FileBlockReader reader;
        EXPECT_EQ(reader.take(comment), FileBlockReader::Line::Other) << comment;
    }
}

// Feeds a script's lines to a replay's files as the runner does; the last line's verdict.
ReplayFiles::Line feed(ReplayFiles& files, const std::string& script, std::string& told) {
    std::ostringstream errors;
    ReplayFiles::Line last = ReplayFiles::Line::Command;
    int number = 0;
    for (const std::string& line : linesof(script)) {
        last = files.take(line, ++number, errors);
        if (last == ReplayFiles::Line::Fault) break;
    }
    told += errors.str();
    return last;
}

TEST(ReplayFiles, AnEmptyFolderGetsEachFileAsTheSessionReadIt) {
    TempFolder folder;
    ReplayFiles files(folder.path().string());
    std::string told;
    EXPECT_EQ(feed(files, fileblock({"progress.ini", " 0 \r\n 2 \r\nBea\r\n"}) + "Enter\n", told),
              ReplayFiles::Line::Command);
    EXPECT_EQ(folder.read("progress.ini"), " 0 \r\n 2 \r\nBea\r\n");
    // A save loaded twice, changed in between, and then gone: each time as the session saw it.
    feed(files, fileblock({"month1", "first\r\n"}) + "Enter\n", told);
    EXPECT_EQ(folder.read("month1"), "first\r\n");
    feed(files, fileblock({"month1", "second"}) + "Enter\n", told);
    EXPECT_EQ(folder.read("month1"), "second");
    feed(files, fileblock({"month1", std::nullopt}) + "Enter\n", told);
    EXPECT_FALSE(fs::exists(folder.file("month1")));
    EXPECT_EQ(told, "");
}

// Replayed in the player's own folder, the player's files stay as they are, and the
// runner says once for each which of them the replay did not get.
TEST(ReplayFiles, ThePlayersOwnFilesAreNeverWrittenOverAndTheRunnerSaysSo) {
    TempFolder folder;
    folder.write("progress.ini", "mine");
    folder.write("month1", "my save");
    folder.write("language.txt", "Mine\r\n");
    ReplayFiles files(folder.path().string());
    std::string told;
    feed(files,
         fileblock({"progress.ini", "recorded"}) + fileblock({"progress.ini", "again"}) +
             fileblock({"month1", "my save"}) + fileblock({"language.txt", std::nullopt}) +
             fileblock({"items1.txt", "Nuts\r\n"}) + "Enter\n",
         told);
    EXPECT_EQ(folder.read("progress.ini"), "mine");
    EXPECT_EQ(folder.read("month1"), "my save");
    EXPECT_EQ(folder.read("language.txt"), "Mine\r\n");
    EXPECT_EQ(folder.read("items1.txt"), "Nuts\r\n");  // not the player's: laid out
    const std::string keep =
        "zelvo-headless: progress.ini is kept as this folder has it, "
        "though the session read another; the replay may go otherwise "
        "(replay in an empty folder to use the recording's)\n";
    EXPECT_EQ(told.find(keep), 0u) << told;
    EXPECT_EQ(told.find("progress.ini", keep.size()), std::string::npos) << told;  // once
    EXPECT_NE(told.find("language.txt is kept as this folder has it, though the session found "
                        "none"),
              std::string::npos)
        << told;
    EXPECT_EQ(told.find("month1"), std::string::npos) << told;  // the same bytes: nothing to say
}

// A stream that cannot be sought, as a pipe named on the command line.
class PipeBuffer : public std::streambuf {
public:
    explicit PipeBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

private:
    std::string text_;
};

// Before the game starts, the runner reads a recording up to its first command and lays out
// the files read at start-up; the command is still there for the runner to read.
TEST(ReplayFiles, TheOpeningIsReadUpToTheFirstCommand) {
    const std::string script = "# Zelvo recording: --seed 5 --year 2031\n# Replay: ...\n" +
                               fileblock({"progress.ini", " 0 \r\n"}) + "# say: Welcome\n" +
                               fileblock({"language.txt", std::nullopt}) + "Enter\nZ\n";
    for (const bool pipe : {false, true}) {
        TempFolder folder;
        ReplayFiles files(folder.path().string());
        std::ostringstream errors;
        PipeBuffer buffer(script);
        std::istringstream file(script);
        std::istream piped(&buffer);
        std::istream& in = pipe ? piped : file;
        const ReplayOpening opening = readopening(in, files, errors);
        EXPECT_FALSE(opening.fault);
        ASSERT_TRUE(opening.start) << pipe;
        EXPECT_EQ(opening.start->seed, 5);
        EXPECT_EQ(opening.start->year, 2031);
        EXPECT_EQ(opening.lines, pipe ? 1 : 6);
        EXPECT_EQ(fs::exists(folder.file("progress.ini")), !pipe);  // a pipe: by the runner
        std::string next;
        std::getline(in, next);
        EXPECT_EQ(next, pipe ? "# Replay: ..." : "Enter");
        EXPECT_EQ(errors.str(), "");
    }
}

TEST(ReplayFiles, ANameOutsideTheFolderStopsTheReplayAndWritesNothing) {
    TempFolder outer;
    const fs::path inside = outer.path() / "game";
    fs::create_directory(inside);
    for (const char* name : {"../escaped", "sub/escaped", "..", "/tmp/escaped"}) {
        ReplayFiles files(inside.string());
        std::string told;
        EXPECT_EQ(feed(files, fileblock({name, "x"}) + "Enter\n", told), ReplayFiles::Line::Fault)
            << name;
        EXPECT_EQ(told, std::string("zelvo-headless: line 1: the recording names a file "
                                    "outside its folder: ") +
                            name + "\n");
    }
    EXPECT_TRUE(fs::is_empty(inside));
    EXPECT_FALSE(fs::exists(outer.path() / "escaped"));
}

TEST(ReplayFiles, ADamagedBlockIsToldWithItsLine) {
    TempFolder folder;
    ReplayFiles files(folder.path().string());
    std::string told;
    EXPECT_EQ(feed(files, "# file 9 bytes: month1\n#|abc\nEnter\n", told),
              ReplayFiles::Line::Fault);
    EXPECT_EQ(told,
              "zelvo-headless: line 3: the file month1 should have 9 bytes but its lines "
              "hold 4\n");
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

}  // namespace
}  // namespace zelvo
