// Rounding to decimals and plain decimal text for numbers in messages.
#include "core/numbers.h"

#include <charconv>
#include <cstdint>

namespace zelvo {

namespace {

constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr int kFigureDecimals = 9;
// Below this a double holds every whole number exactly.
constexpr double kExact = 0x1p52;

}  // namespace

double roundeven(double x, int places) {
    places = places < 0 ? 0 : places > kFigureDecimals ? kFigureDecimals : places;
    const double scale = kPowers[places];
    if (!std::isfinite(x)) return x;
    // The figure to nine decimals, or to as many as a double of its size still carries.
    int decimals = kFigureDecimals;
    while (decimals > places && std::fabs(x) * kPowers[decimals] >= kExact) --decimals;
    if (decimals == places) return std::nearbyint(x * scale) / scale;
    const auto figure = static_cast<std::int64_t>(std::nearbyint(std::fabs(x) * kPowers[decimals]));
    const auto unit = static_cast<std::int64_t>(kPowers[decimals - places]);
    std::int64_t whole = figure / unit;
    const std::int64_t rest = figure % unit;
    if (2 * rest > unit || (2 * rest == unit && whole % 2 != 0)) ++whole;
    return std::copysign(static_cast<double>(whole) / scale, x);
}

std::string numtext(double x) {
    if (x == 0) return "0";  // also -0
    // to_chars writes what printf would, without its cost: the debug log of a busy game
    // holds hundreds of thousands of these.
    char buf[400];
    // Most figures are whole or have a few decimals. Their shortest text that reads back is
    // what 15 significant figures give, when it has no more of them than that and no
    // exponent is called for; and it costs a fraction of counting out 15 figures.
    if (std::fabs(x) >= 1e-4 && std::fabs(x) < 1e15) {
        const char* end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed).ptr;
        int figures = 0;
        bool leading = true;
        for (const char* c = buf; c != end; ++c) {
            if (*c < '0' || *c > '9' || (leading && *c == '0')) continue;
            leading = false;
            ++figures;
        }
        if (figures <= 15) return std::string(static_cast<const char*>(buf), end);
    }
    // 15 significant digits keep what a double can carry without showing binary noise.
    auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15).ptr;
    std::string text(buf, end);
    if (text.find('e') == std::string::npos) return text;
    end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 15).ptr;
    text.assign(buf, end);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace zelvo
