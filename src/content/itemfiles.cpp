// Item-list files. Lines end at a carriage return (CR LF or CR alone), as the files are
// written for the game; a file saved with bare line feeds is repaired before it is read.
#include "content/itemfiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include "core/diagnostics.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {
        if (text_.rfind("\xEF\xBB\xBF", 0) == 0) at_ = 3;  // a byte-order mark is no name
    }

    // The rest of the current line, or nothing at the end of the text.
    std::optional<std::string> line() {
        if (at_ >= text_.size()) return std::nullopt;
        std::size_t end = text_.find('\r', at_);
        if (end == std::string::npos) end = text_.size();
        std::string result = text_.substr(at_, end - at_);
        at_ = end;
        endline();
        return result;
    }

    // One delimited field: up to a comma or the end of the line; a value in double quotes
    // may hold commas. After a comma the rest of the line is still to be read.
    std::optional<std::string> field() {
        if (at_ >= text_.size()) return std::nullopt;
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
        std::string result;
        if (at_ < text_.size() && text_[at_] == '"') {
            std::size_t close = text_.find('"', at_ + 1);
            if (close == std::string::npos) close = text_.size();
            result = text_.substr(at_ + 1, close - at_ - 1);
            at_ = std::min(close + 1, text_.size());
            while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r') ++at_;
        } else {
            std::size_t end = at_;
            while (end < text_.size() && text_[end] != ',' && text_[end] != '\r') ++end;
            result = text_.substr(at_, end - at_);
            while (!result.empty() && (result.back() == ' ' || result.back() == '\t'))
                result.pop_back();
            at_ = end;
        }
        if (at_ < text_.size() && text_[at_] == ',')
            ++at_;
        else
            endline();
        return result;
    }

private:
    void endline() {
        if (at_ < text_.size() && text_[at_] == '\r') ++at_;
        if (at_ < text_.size() && text_[at_] == '\n') ++at_;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

// Blank lines and comment lines (an apostrophe first) stand between fields.
bool skipped(const std::string& field) {
    if (!field.empty() && field[0] == '\'') return true;
    return field.find_first_not_of(' ') == std::string::npos;
}

template <class Read>
std::optional<std::string> nextfield(Read read) {
    for (auto value = read(); value; value = read())
        if (!skipped(*value)) return value;
    return std::nullopt;
}

// A plain decimal number, with optional grouping commas ("1,234.50") and exponent.
std::optional<double> numeric(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c != ',') digits.push_back(c);
    auto first = digits.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    digits = digits.substr(first, digits.find_last_not_of(" \t") - first + 1);
    std::size_t i = 0;
    if (digits[i] == '+' || digits[i] == '-') ++i;
    bool any = false;
    while (i < digits.size() && std::isdigit(static_cast<unsigned char>(digits[i])))
        ++i, any = true;
    if (i < digits.size() && digits[i] == '.') ++i;
    while (i < digits.size() && std::isdigit(static_cast<unsigned char>(digits[i])))
        ++i, any = true;
    if (!any) return std::nullopt;
    if (i < digits.size() && (digits[i] == 'e' || digits[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < digits.size() && (digits[e] == '+' || digits[e] == '-')) ++e;
        std::size_t start = e;
        while (e < digits.size() && std::isdigit(static_cast<unsigned char>(digits[e]))) ++e;
        if (e == start) return std::nullopt;
        i = e;
    }
    if (i != digits.size()) return std::nullopt;
    double value = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string folded(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

}  // namespace

ItemsFile parseitems(const std::string& text, std::size_t most) {
    ItemsFile file;
    Reader reader(text);
    bool linefeeds = false;
    // A bare line feed in a line read while looking for a name (the name itself, or a
    // comment or blank line before it) means the file was saved with line feeds only.
    auto nameline = [&]() -> std::optional<std::string> {
        auto line = reader.line();
        if (line && line->find('\n') != std::string::npos) linefeeds = true;
        return line;
    };
    while (file.items.size() < most) {
        auto name = nextfield(nameline);
        if (linefeeds) {
            file.items.clear();
            file.needsrepair = true;
            return file;
        }
        if (!name) break;
        auto price = nextfield([&] { return reader.field(); });
        if (!price) break;
        auto description = nextfield([&] { return reader.line(); });
        if (!description) break;
        // Every text is one line: a line feed inside a mixed-up line is a blank.
        std::replace(description->begin(), description->end(), '\n', ' ');
        file.items.push_back({*name, *price, *description});
    }
    return file;
}

CatalogueAdder::CatalogueAdder(Zelvo& z) : z_(z), sortedcount_(z.s.game.itemcount) {
    for (int i = 1; i <= z.s.game.itemcount; ++i) names_.insert(folded(z.s.item[i].name));
}

void CatalogueAdder::add(const std::string& name, const std::string& price,
                         const std::string& description) {
    auto value = numeric(price);
    if (name.empty() || !value || *value > kPriceLimit) return;
    double baseprice = Int(*value);
    if (baseprice <= 5) baseprice = 5;
    GameState& s = z_.s;
    if (names_.count(folded(name)) != 0) return;
    if (s.game.itemcount >= kMaxItems) return;
    Item& item = s.item[++s.game.itemcount];
    item.name = name;
    item.baseprice = baseprice;
    item.description = description;
    names_.insert(folded(name));
}

// Each item goes after every item of its price or less, so items of equal price keep their
// order of arrival: a stable sort of what arrived gives the same catalogue.
void CatalogueAdder::finish() {
    GameState& s = z_.s;
    if (s.game.itemcount == sortedcount_) return;
    struct Entry {
        std::string name, description;
        double baseprice;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(s.game.itemcount));
    for (int i = 1; i <= s.game.itemcount; ++i)
        entries.push_back(
            {std::move(s.item[i].name), std::move(s.item[i].description), s.item[i].baseprice});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.baseprice < b.baseprice; });
    for (int i = 1; i <= s.game.itemcount; ++i) {
        Entry& entry = entries[static_cast<std::size_t>(i - 1)];
        s.item[i].name = std::move(entry.name);
        s.item[i].description = std::move(entry.description);
        s.item[i].baseprice = entry.baseprice;
    }
    sortedcount_ = s.game.itemcount;
}

void additem(Zelvo& z, const std::string& name, const std::string& price,
             const std::string& description) {
    CatalogueAdder(z).add(name, price, description);
}

void fixfile(Zelvo& z, const std::string& path) {
    auto text = readplayerfile(z, path);
    if (!text) {
        debuglog(z, "error in fixfile: cannot read " + path);
        return;
    }
    // One pass: a carriage return (with the line feed after it) ends a line; a line feed
    // alone ends one too. Empty lines of proper line ends are dropped, empty lines between
    // bare line feeds kept.
    std::string fixed;
    fixed.reserve(text->size() + text->size() / 8);
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text->size(); ++at) {
        const bool end = at == text->size();
        const char c = end ? '\r' : (*text)[at];
        if (c == '\n') {
            fixed.append(*text, start, at - start);
            fixed += "\r\n";
            start = at + 1;
        } else if (c == '\r') {
            if (at > start) {
                fixed.append(*text, start, at - start);
                fixed += "\r\n";
            }
            if (!end && at + 1 < text->size() && (*text)[at + 1] == '\n') ++at;
            start = at + 1;
        }
    }
    // Through a hidden scratch file of its own (never a save called "temp"), renamed over
    // the old file, so that a failure leaves the player's file as it was.
    const std::string error = replacefile(path, fixed);
    if (!error.empty()) debuglog(z, "error in fixfile: cannot rewrite " + path + ": " + error);
}

std::optional<std::vector<FileItem>> readitemsfile(Zelvo& z, const std::string& path) {
    auto text = readplayerfile(z, path);
    if (!text) return std::nullopt;
    ItemsFile file = parseitems(*text);
    if (!file.needsrepair) return file.items;
    fixfile(z, path);
    text = readplayerfile(z, path);
    if (!text) return std::nullopt;
    file = parseitems(*text);
    if (!file.needsrepair) return file.items;
    // The repair could not be written (a read-only folder): read the line feeds as line
    // ends in memory, so the player's items still come into the game.
    std::string mended;
    for (std::size_t i = 0; i < text->size(); ++i) {
        char c = (*text)[i];
        if (c == '\n' && (i == 0 || (*text)[i - 1] != '\r')) mended += '\r';
        mended += c;
    }
    return parseitems(mended).items;
}

}  // namespace zelvo
