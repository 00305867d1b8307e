// The modal text-entry prompt.
#include "ui/prompt.h"

#include <cctype>
#include <cstdlib>
#include <exception>

#include "core/diagnostics.h"
#include "core/zelvo.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

// A typed text is one line of the files it is written to: line breaks and other control
// characters (a paste can bring them, and so can a script) are dropped. UTF-8's C1
// controls, its next-line and its line and paragraph separators count as line breaks too.
std::string oneline(const std::string& typed) {
    std::string text;
    text.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto c = static_cast<unsigned char>(typed[i]);
        const auto next = [&](std::size_t k) {
            return i + k < typed.size() ? static_cast<unsigned char>(typed[i + k]) : 0;
        };
        if (c < 0x20 || c == 0x7F) continue;
        if (c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F) {
            ++i;
            continue;
        }
        if (c == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9)) {
            i += 2;
            continue;
        }
        text.push_back(typed[i]);
    }
    return text;
}

}  // namespace

std::string askfortext(Zelvo& z, const std::string& prompt, const std::string& title,
                       const InputChoices& choices) {
    // The box is drawn by the game and no screen reader can read it, so whatever the
    // output, the prompt goes to it first, and every key typed is echoed the same way.
    sayit(z, prompt);
    std::string typed;
    try {
        typed = z.platform.inputBox(
            prompt, title, [&z](const std::string& text) { sendtooutput(z, text); }, choices);
    } catch (const std::exception& e) {
        debuglog(z, std::string("error in inputbox: ") + e.what());
        return "";
    }
    return oneline(typed);
}

std::optional<double> typedamount(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const std::string typed = text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
    std::size_t i = 0;
    std::string number;  // the sign and the digits, as strtod reads them
    if (typed[i] == '+' || typed[i] == '-') number.push_back(typed[i++]);
    if (i < typed.size() && typed[i] == '$') ++i;
    // The whole part: digits, in groups of three after the first when commas are used.
    int digits = 0, group = 0;
    bool grouped = false;
    for (; i < typed.size() && typed[i] != '.'; ++i) {
        const char c = typed[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number.push_back(c);
            ++digits;
            ++group;
        } else if (c == ',' && group >= 1 && (grouped ? group == 3 : group <= 3)) {
            grouped = true;
            group = 0;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && group != 3) return std::nullopt;
    if (i < typed.size()) {  // the point and the decimals
        number.push_back(typed[i++]);
        for (; i < typed.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(typed[i]))) return std::nullopt;
            number.push_back(typed[i]);
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
}

bool askforname(Zelvo& z, std::string& field, const std::string& prompt, const std::string& title,
                const std::string& confirmation) {
    const std::string name = askfortext(z, prompt, title);
    if (name.empty()) {
        sayit(z, "Canceled.");
        return false;
    }
    field = name;
    sayit(z, confirmation + name + ".");
    return true;
}

}  // namespace zelvo
