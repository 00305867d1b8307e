// A replay lays out the files its recording kept, in the program's folder, just before the
// game reads them: the preferences, item lists and language file before the game starts,
// and each save as the session loaded it.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "app/fileblocks.h"
#include "app/scriptformat.h"

namespace zelvo {

// A player may replay in their own game folder: a file the folder held before the replay
// began is theirs and is never written over or removed. Where it differs from the
// recording's, the runner keeps it and says so on `errors`, once a file, since the replay
// may then go otherwise. Every other file is the replay's own: it is written (whole, or
// not at all) as the session read it, and removed where the session found none.
class ReplayFiles {
public:
    explicit ReplayFiles(std::string folder) : folder_(std::move(folder)) {}

    enum class Line {
        Command,  // a line for the runner (any block it ended is laid out)
        File,     // a line of a file block
        Fault,    // a damaged block, a name outside the folder or a file that cannot be
                  // written: told on `errors` with the line's number
    };
    // One line of the script, its line end removed, and its number (counted from 1).
    Line take(const std::string& line, int number, std::ostream& errors);
    // The end of the script: false, told on `errors`, when its last block was cut short.
    bool finish(int number, std::ostream& errors);

private:
    bool layout(const RecordedFile& file, std::ostream& errors);
    void keepplayers(const std::string& name, const std::string& why, std::ostream& errors);
    // What the runner makes of a line the reader took; `opens`: it began a block.
    Line laidout(FileBlockReader::Line line, int number, bool opens, std::ostream& errors);

    std::string folder_;
    FileBlockReader reader_;
    int blockstart_ = 0;  // the first line of the block being read
    // The names in the folder when the first block came: the player's files.
    std::optional<std::set<std::string>> before_;
    bool unlisted_ = false;  // the folder could not be listed then
    std::set<std::string> told_;
};

// What a recording's opening gave before the game starts.
struct ReplayOpening {
    std::optional<RecordingStart> start;  // the seed and year of its first line
    int lines = 0;                        // the lines read
    bool fault = false;                   // a damaged block, told on `errors`
};
// Reads a recording's opening up to its first command: its first line, comments and the
// blocks of the files the game read as it started, which are laid out now. The command is
// left to be read again; of a script that cannot be sought (a pipe), only a first line
// that is a comment is read, and its files are laid out by the runner.
ReplayOpening readopening(std::istream& script, ReplayFiles& files, std::ostream& errors);

}  // namespace zelvo
