// Money amounts in the words a voice reads well.
#include "platform/speechd/spoken_money.h"

#include <cstddef>
#include <optional>

namespace zelvo {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The digits of `text` from `at` on; how many there are.
std::size_t digitsFrom(const std::string& text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end])) ++end;
    return end - at;
}

// An amount as the game writes it: whole dollars, grouped by commas in threes or not at
// all, then a point and exactly two digits of cents, or no point.
struct Amount {
    std::string dollars;  // as written, commas kept: a voice reads "49,874" as one number
    int cents = 0;
    std::size_t end = 0;  // just past the amount
};

std::optional<Amount> amountAt(const std::string& text, std::size_t at) {
    Amount amount;
    std::size_t i = at;
    const std::size_t lead = digitsFrom(text, i);
    if (lead == 0) return std::nullopt;
    i += lead;
    // Commas group threes only after a first group of at most three digits; anything else
    // ("$1,23", "$1234,567") is not an amount the game writes, so it is read as it stands.
    while (i + 1 < text.size() && text[i] == ',' && isDigit(text[i + 1])) {
        if (lead > 3 || digitsFrom(text, i + 1) != 3) return std::nullopt;
        i += 4;
    }
    amount.dollars = text.substr(at, i - at);
    if (i + 1 < text.size() && text[i] == '.' && isDigit(text[i + 1])) {
        if (digitsFrom(text, i + 1) != 2) return std::nullopt;
        amount.cents = (text[i + 1] - '0') * 10 + (text[i + 2] - '0');
        i += 3;
    }
    if (i < text.size() && isLetter(text[i])) return std::nullopt;
    amount.end = i;
    return amount;
}

bool allZeros(const std::string& dollars) {
    return dollars.find_first_not_of("0,") == std::string::npos;
}

std::string words(const Amount& amount) {
    const std::string cents =
        std::to_string(amount.cents) + (amount.cents == 1 ? " cent" : " cents");
    if (allZeros(amount.dollars)) return amount.cents == 0 ? "0 dollars" : cents;
    std::string said = amount.dollars + (amount.dollars == "1" ? " dollar" : " dollars");
    if (amount.cents != 0) said += " and " + cents;
    return said;
}

}  // namespace

std::string spokenMoney(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 32);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t sign = text.find('$', i);
        if (sign == std::string::npos) break;
        out.append(text, i, sign - i);
        if (const auto amount = amountAt(text, sign + 1)) {
            out += words(*amount);
            i = amount->end;
        } else {
            out += '$';
            i = sign + 1;
        }
    }
    if (i < text.size()) out.append(text, i, std::string::npos);
    return out;
}

}  // namespace zelvo
