// Reading and writing the game's line-based text files.
#include "persist/textfile.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/numbers.h"

namespace zelvo {

std::optional<std::vector<std::string>> readlines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
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
    const char* start = line.c_str();
    while (*start == ' ' || *start == '\t') ++start;
    // Only plain decimal numbers: no hexadecimal, infinity or "nan" from a damaged file.
    const char* p = start;
    if (*p == '+' || *p == '-') ++p;
    if (!(std::isdigit(static_cast<unsigned char>(*p)) ||
          (*p == '.' && std::isdigit(static_cast<unsigned char>(p[1])))))
        return 0;
    char* end = nullptr;
    double value = std::strtod(start, &end);
    if (end == start || !std::isfinite(value)) return 0;
    return value;
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
    if (!std::isfinite(value)) value = 0;
    // The shortest plain decimal that reads back to the very same value.
    char digits[400];
    auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    std::string line(value < 0 ? 0 : 1, ' ');
    line.append(digits, result.ptr);
    line += ' ';
    return line;
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
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return std::strerror(errno);
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fflush(file) == 0 && ok;
    int error = ok ? 0 : errno;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::remove(temp.c_str());
        return std::strerror(error ? error : EIO);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
        std::remove(temp.c_str());
        return std::strerror(error);
    }
    return "";
}

}  // namespace zelvo
