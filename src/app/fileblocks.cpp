// File blocks of a recording: a file's bytes written as readable comment lines, and back.
#include "app/fileblocks.h"

#include <charconv>

namespace zelvo {

namespace {

constexpr const char* kFileStart = "# file ";
constexpr const char* kBytes = " bytes: ";
constexpr const char* kNoFile = "# no file: ";
constexpr const char* kLine = "#|";
// More than any file the game reads; a larger promise is a damaged block.
constexpr std::size_t kLargest = std::size_t{1} << 30;

bool startswith(const std::string& text, const char* start) {
    return text.rfind(start, 0) == 0;
}

// The length of the well-formed UTF-8 sequence at `at` (shortest form, no surrogates,
// nothing above U+10FFFF), or 0.
std::size_t utf8length(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

void hexbyte(std::string& out, unsigned char c) {
    static const char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[c >> 4];
    out += digits[c & 15];
}

// One line of a file (or a name) as the block writes it.
std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const bool last = at + 1 == text.size();
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += last ? "\\t" : "\t";
        } else if (c == ' ' && last) {
            out += "\\x20";
        } else if (c < 0x20 || c == 0x7F) {
            hexbyte(out, c);
        } else if (c >= 0x80) {
            const std::size_t length = utf8length(text, at);
            if (length == 0) {
                hexbyte(out, c);
            } else {
                out.append(text, at, length);
                at += length;
                continue;
            }
        } else {
            out += static_cast<char>(c);
        }
        ++at;
    }
    return out;
}

int hexdigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The text a written line stands for; `open` tells whether a lone backslash ended it (no
// line feed follows). Nothing for an escape the writer never makes.
std::optional<std::string> unescaped(const std::string& text, bool& open) {
    std::string out;
    out.reserve(text.size());
    open = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\') {
            out += text[at];
            continue;
        }
        if (++at == text.size()) {
            open = true;
            break;
        }
        switch (text[at]) {
        case '\\':
            out += '\\';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            const int high = at + 1 < text.size() ? hexdigit(text[at + 1]) : -1;
            const int low = at + 2 < text.size() ? hexdigit(text[at + 2]) : -1;
            if (high < 0 || low < 0) return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            at += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

// A block's first line: the file's name and its promised size, or its name alone.
struct Opening {
    std::string name;
    std::optional<std::size_t> size;
};

std::optional<Opening> opening(const std::string& line) {
    std::string name;
    std::optional<std::size_t> size;
    if (startswith(line, kNoFile)) {
        name = line.substr(std::char_traits<char>::length(kNoFile));
    } else if (startswith(line, kFileStart)) {
        const char* first = line.data() + std::char_traits<char>::length(kFileStart);
        const char* last = line.data() + line.size();
        std::size_t value = 0;
        auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end == first || std::string(end, last).rfind(kBytes, 0) != 0)
            return std::nullopt;
        name = std::string(end + std::char_traits<char>::length(kBytes), last);
        size = value;
    } else {
        return std::nullopt;
    }
    bool open = false;
    auto decoded = unescaped(name, open);
    if (!decoded || open || decoded->empty()) return std::nullopt;
    return Opening{*decoded, size};
}

}  // namespace

std::string fileblock(const RecordedFile& file) {
    if (!file.bytes) return kNoFile + escaped(file.name) + '\n';
    const std::string& bytes = *file.bytes;
    std::string block = kFileStart + std::to_string(bytes.size()) + kBytes + escaped(file.name);
    block += '\n';
    block.reserve(block.size() + bytes.size() + bytes.size() / 16);
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t feed = bytes.find('\n', start);
        const std::size_t end = feed == std::string::npos ? bytes.size() : feed;
        block += kLine;
        block += escaped(bytes.substr(start, end - start));
        if (feed == std::string::npos) block += '\\';
        block += '\n';
        start = end + 1;
    }
    return block;
}

FileBlockReader::Line FileBlockReader::damaged(const std::string& why) {
    fault_ = why;
    open_.reset();
    return Line::Fault;
}

FileBlockReader::Line FileBlockReader::end() {
    if (!open_) return Line::Other;
    if (open_->bytes && open_->bytes->size() != size_)
        return damaged("the file " + open_->name + " should have " + std::to_string(size_) +
                       " bytes but its lines hold " + std::to_string(open_->bytes->size()));
    ended_ = std::move(open_);
    open_.reset();
    return Line::Other;
}

FileBlockReader::Line FileBlockReader::take(const std::string& line) {
    if (startswith(line, kLine)) {
        if (!open_ || !open_->bytes)
            return damaged("a line of a file with no \"# file N bytes: NAME\" line before it");
        if (closed_) return damaged("the file " + open_->name + " goes on after its last line");
        bool open = false;
        auto text = unescaped(line.substr(2), open);
        if (!text)
            return damaged("a line of the file " + open_->name + " has an unknown \\ escape");
        std::string& bytes = *open_->bytes;
        if (bytes.size() + text->size() + (open ? 0 : 1) > size_)
            return damaged("the file " + open_->name + " holds more than its " +
                           std::to_string(size_) + " bytes");
        bytes += *text;
        if (open)
            closed_ = true;
        else
            bytes += '\n';
        return Line::Block;
    }
    if (end() == Line::Fault) return Line::Fault;
    auto start = opening(line);
    if (!start) return Line::Other;  // any other comment, or a command
    if (start->size && *start->size > kLargest)
        return damaged("the file " + start->name + " is said to be larger than any the game reads");
    open_ = RecordedFile{start->name, std::nullopt};
    if (start->size) {
        open_->bytes.emplace();
        size_ = *start->size;
    }
    closed_ = false;
    return Line::Block;
}

FileBlockReader::Line FileBlockReader::finish() {
    return end();
}

std::optional<RecordedFile> FileBlockReader::takeended() {
    std::optional<RecordedFile> file;
    file.swap(ended_);
    return file;
}

}  // namespace zelvo
