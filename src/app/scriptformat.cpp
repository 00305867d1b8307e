// Key names both ways, and the first line of a recording.
#include "app/scriptformat.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

namespace zelvo {

namespace {

struct KeyName {
    const char* name;
    int code;
};

constexpr KeyName kKeyNames[] = {
    {"Backspace", 8},    {"Tab", 9},           {"Enter", 13},        {"Escape", 27},
    {"Space", 32},       {"PageUp", 33},       {"PageDown", 34},     {"Left", 37},
    {"Up", 38},          {"Right", 39},        {"Down", 40},         {"Delete", 46},
    {"KeypadPlus", 107}, {"KeypadMinus", 109}, {"Plus", 187},        {"Comma", 188},
    {"Minus", 189},      {"Period", 190},      {"LeftBracket", 219}, {"RightBracket", 221},
};

struct ModifierName {
    const char* name;
    int bit;
};

// Written in this order; read in any.
constexpr ModifierName kModifiers[] = {{"Shift", 1}, {"Ctrl", 2}, {"Alt", 4}};

constexpr const char* kHeaderStart = "# Zelvo recording:";

bool samename(const std::string& a, const char* b) {
    std::string other = b;
    return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<int> keycode(const std::string& name) {
    if (name.size() == 1) {
        unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isdigit(c)) return c;
        if (std::isalpha(c)) return std::toupper(c);
        return std::nullopt;
    }
    for (const auto& key : kKeyNames)
        if (samename(name, key.name)) return key.code;
    return std::nullopt;
}

std::optional<int> modifier(const std::string& name) {
    for (const auto& m : kModifiers)
        if (samename(name, m.name)) return m.bit;
    return std::nullopt;
}

std::optional<std::string> keyname(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return std::string(1, static_cast<char>(code));
    for (const auto& key : kKeyNames)
        if (key.code == code) return std::string(key.name);
    return std::nullopt;
}

// The whole number after `option ` in `line`, when it is there and fits.
std::optional<int> optionvalue(const std::string& line, const std::string& option, int low,
                               int high) {
    const std::string word = " " + option + " ";
    const auto at = line.find(word);
    if (at == std::string::npos) return std::nullopt;
    const char* text = line.c_str() + at + word.size();
    if (!std::isdigit(static_cast<unsigned char>(*text))) return std::nullopt;
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if ((*end != '\0' && *end != ' ') || value < low || value > high) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::optional<ScriptKey> parsekey(const std::string& text) {
    ScriptKey key;
    std::size_t start = 0;
    for (;;) {
        std::size_t plus = text.find('+', start);
        std::string part = text.substr(start, plus == std::string::npos ? plus : plus - start);
        if (plus == std::string::npos) {
            auto code = keycode(part);
            if (!code) return std::nullopt;
            key.code = *code;
            return key;
        }
        auto bit = modifier(part);
        if (!bit) return std::nullopt;
        key.state |= *bit;
        start = plus + 1;
    }
}

std::string keycommand(int code, int state) {
    const auto name = keyname(code);
    if (!name || state < 0 || state > 7)
        return "key " + std::to_string(code) + " " + std::to_string(state);
    std::string command;
    for (const auto& m : kModifiers)
        if (state & m.bit) command += std::string(m.name) + "+";
    return command + *name;
}

std::string recordingheader(const RecordingStart& start) {
    std::ostringstream line;
    line << kHeaderStart << " --seed " << start.seed << " --year " << start.year;
    return line.str();
}

std::optional<RecordingStart> parserecordingheader(const std::string& line) {
    if (line.rfind(kHeaderStart, 0) != 0) return std::nullopt;
    auto seed = optionvalue(line, "--seed", 0, 2147483647);
    auto year = optionvalue(line, "--year", 1, 9999);
    if (!seed || !year) return std::nullopt;
    return RecordingStart{*seed, *year};
}

}  // namespace zelvo
