// The phrase table: read once from language.txt, applied to every spoken text.
#include "speech/language.h"

#include <algorithm>
#include <sstream>

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
    // Only a regular file: a folder or a named pipe of that name is no language file.
    const auto text = readplayerfile(z, folderfile(z, "language.txt"));
    if (!text) debuglog(z, "Using English.");
    z.language.count = 0;
    z.language.phrases.clear();
    if (!text) return;
    std::istringstream in(*text);
    debuglog(z, "Loading language file");
    std::string name;
    readline(in, name);
    debuglog(z, "Language set to " + name);
    // Longest phrases first, and of equal lengths the one read later first: the file's
    // phrases in reverse, sorted by length and keeping that order among equals.
    struct Read {
        std::size_t length;
        std::pair<std::string, std::string> entry;
    };
    std::vector<Read> read;
    std::string phrase, replacement;
    while (readnonblank(in, phrase) && readnonblank(in, replacement)) {
        if (read.size() >= kMaxPhrases) {
            debuglog(z, "ERROR in LOADLANGUAGEFILE: more than 3000 phrases; the rest are ignored");
            break;
        }
        read.push_back({charcount(phrase), {phrase, replacement}});
    }
    std::reverse(read.begin(), read.end());
    std::stable_sort(read.begin(), read.end(),
                     [](const Read& a, const Read& b) { return a.length > b.length; });
    auto& table = z.language.phrases;
    table.reserve(read.size());
    for (auto& r : read) table.push_back(std::move(r.entry));
    z.language.count = static_cast<int>(table.size());
    if (in.bad()) debuglog(z, "ERROR in LOADLANGUAGEFILE: the file could not be read to its end");
}

std::string Translate(Zelvo& z, const std::string& text) {
    // Phrases apply one after another, so a file can make a text double with each of them.
    // A text that grows past this stays in English.
    const std::size_t bound = std::max<std::size_t>(16 * text.size(), 65536);
    std::string result = text;
    for (const auto& [phrase, replacement] : z.language.phrases) {
        if (phrase.empty()) continue;
        std::size_t at = result.find(phrase);
        if (at == std::string::npos) continue;
        // Every occurrence, left to right and without overlaps, in one pass.
        std::string replaced;
        std::size_t from = 0;
        for (; at != std::string::npos; at = result.find(phrase, from)) {
            replaced.append(result, from, at - from);
            replaced += replacement;
            from = at + phrase.size();
            if (replaced.size() > bound) break;
        }
        if (replaced.size() + (result.size() - std::min(from, result.size())) > bound) {
            if (!z.language.grewtoolong)
                debuglog(z, "error in Translate: a translation grew past " + std::to_string(bound) +
                                " characters; such texts are spoken untranslated");
            z.language.grewtoolong = true;
            return text;
        }
        replaced.append(result, from);
        result = std::move(replaced);
    }
    return result;
}

}  // namespace zelvo
