// The files a session read, kept in its recording as blocks of comment lines, so that the
// recording replays alone: its preferences, item lists, language file and saves travel
// with it.
//
// A block opens with `# file N bytes: NAME` (or `# no file: NAME` when the game found none),
// followed by the file's lines, each after `#|`. A person can read them; any content
// survives: a line feed ends each written line, a carriage return is written `\r`, a
// backslash `\\`, other control bytes and bytes that are not UTF-8 `\xHH`, a blank or tab
// that ends a line `\x20` or `\t` (so that no editor or mail trims it), and a file that
// does not end in a line feed has a lone `\` at the end of its last line. Old runners skip
// the whole block as comments.
#pragma once

#include <optional>
#include <string>

namespace zelvo {

// A file as the game read it: its name in the player's folder, and its bytes, or nothing
// when there was no such file.
struct RecordedFile {
    std::string name;
    std::optional<std::string> bytes;
};

// The block for this file, every line ended by a line feed.
std::string fileblock(const RecordedFile& file);

// Reads the blocks of a script line by line.
class FileBlockReader {
public:
    enum class Line {
        Other,  // not a line of a block: a command or another comment
        Block,  // a line of a block
        Fault,  // a damaged block; fault() says how
    };
    // One line of the script, its line end removed. A line that is not part of the block
    // being read ends it.
    Line take(const std::string& line);
    // The end of the script ends the block being read; Fault when it was cut short.
    Line finish();
    // The block the last take() or finish() ended, once.
    std::optional<RecordedFile> takeended();
    const std::string& fault() const { return fault_; }

private:
    Line end();
    Line damaged(const std::string& why);

    std::optional<RecordedFile> open_;  // the block being read
    std::size_t size_ = 0;              // the bytes its first line promises
    bool closed_ = false;               // its last line said the file ends without a line feed
    std::optional<RecordedFile> ended_;
    std::string fault_;
};

}  // namespace zelvo
