// The phrase table: read once from language.txt, applied to every spoken text.
#include "speech/language.h"

#include <fstream>

#include "core/diagnostics.h"
#include "core/zelvo.h"

namespace zelvo {

namespace {

constexpr int kMaxPhrases = 3000;

// A line ends at a carriage return; a line feed after it belongs to the line end. A bare
// line feed ends a line too, so a file saved on this system reads the same.
bool readline(std::istream& in, std::string& line) {
    line.clear();
    int c = in.get();
    if (c == EOF) return false;
    while (c != EOF && c != '\r' && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = in.get();
    }
    if (c == '\r' && in.peek() == '\n') in.get();
    return true;
}

bool readnonblank(std::istream& in, std::string& line) {
    while (readline(in, line))
        if (!line.empty()) return true;
    return false;
}

std::size_t charcount(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

void loadlanguagefile(Zelvo& z) {
    const std::string path = folderfile(z, "language.txt");
    std::ifstream in(path, std::ios::binary);
    if (!in) debuglog(z, "Using English.");
    z.language.count = 0;
    z.language.phrases.clear();
    if (!in) return;
    debuglog(z, "Loading language file");
    std::string name;
    readline(in, name);
    debuglog(z, "Language set to " + name);
    std::string phrase, replacement;
    while (readnonblank(in, phrase) && readnonblank(in, replacement)) {
        if (z.language.count >= kMaxPhrases) {
            debuglog(z, "ERROR in LOADLANGUAGEFILE: more than 3000 phrases; the rest are ignored");
            break;
        }
        auto& table = z.language.phrases;
        std::size_t x = 0;
        while (x < table.size() && charcount(phrase) < charcount(table[x].first)) ++x;
        table.insert(table.begin() + static_cast<std::ptrdiff_t>(x), {phrase, replacement});
        ++z.language.count;
    }
    if (in.bad()) debuglog(z, "ERROR in LOADLANGUAGEFILE: the file could not be read to its end");
}

std::string Translate(const Zelvo& z, const std::string& text) {
    std::string result = text;
    for (const auto& [phrase, replacement] : z.language.phrases) {
        if (phrase.empty()) continue;
        std::size_t at = result.find(phrase);
        while (at != std::string::npos) {
            result.replace(at, phrase.size(), replacement);
            at = result.find(phrase, at + replacement.size());
        }
    }
    return result;
}

}  // namespace zelvo
