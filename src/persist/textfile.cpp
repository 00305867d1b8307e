// Reading and writing the game's line-based text files.
#include "persist/textfile.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/files.h"
#include "core/zelvo.h"

namespace zelvo {

std::optional<std::vector<std::string>> readlines(Zelvo& z, const std::string& path) {
    const auto text = readplayerfile(z, path);
    if (!text) return std::nullopt;
    return splitlines(*text);
}

std::vector<std::string> splitlines(const std::string& data) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < data.size(); ++i) {
        char c = data[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

double numberfield(const std::string& line) {
    // The leading number: a sign, digits with at most one point, and an exponent when digits
    // follow its "e". No hexadecimal, infinity or "nan" from a damaged file.
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    const std::size_t start = at;
    auto digits = [&] {
        const std::size_t from = at;
        while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
        return at - from;
    };
    if (line[at] == '+' || line[at] == '-') ++at;
    std::size_t count = digits();
    if (at < line.size() && line[at] == '.') {
        ++at;
        count += digits();
    }
    if (count == 0) return 0;
    if (at < line.size() && (line[at] == 'e' || line[at] == 'E')) {
        const std::size_t mark = at++;
        if (at < line.size() && (line[at] == '+' || line[at] == '-')) ++at;
        if (digits() == 0) at = mark;
    }
    const double value = std::strtod(line.substr(start, at - start).c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

std::string textfield(const std::string& line) {
    std::string field = line.substr(0, line.find(','));
    auto first = field.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return field;
}

std::string numberline(double value) {
    std::string line;
    appendnumberline(line, value);
    return line;
}

void appendnumberline(std::string& text, double value) {
    if (!std::isfinite(value)) value = 0;
    // The shortest plain decimal that reads back to the very same value. Most fields hold
    // whole numbers, written as such at a fraction of the cost; -0 goes the long way, as
    // "-0".
    char digits[400];
    const bool whole = value == std::trunc(value) && std::fabs(value) < 0x1p53 &&
                       !(value == 0 && std::signbit(value));
    auto result =
        whole ? std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value))
              : std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    if (value >= 0) text += ' ';
    text.append(digits, result.ptr);
    text += ' ';
}

std::string writelines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return replacefile(path, text);
}

}  // namespace zelvo
