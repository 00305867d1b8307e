// Money, month and date texts as every message speaks them.
#include "speech/money.h"
#include "core/numbers.h"

#include <cmath>
#include <cstdint>

namespace zelvo {

namespace {

// "$1,234,567.89" for an amount of 0 or more, taken to whole cents with halves to even.
std::string currency(double amount) {
    if (!std::isfinite(amount)) amount = 0;
    // Whole cents fit a 64-bit count far beyond any amount a game reaches.
    double cents = std::nearbyint(roundcents(amount) * 100);
    if (cents > 9.0e17) cents = 9.0e17;
    auto total = static_cast<std::int64_t>(cents);
    std::string dollars = std::to_string(total / 100);
    std::string grouped;
    int digits = 0;
    for (auto it = dollars.rbegin(); it != dollars.rend(); ++it) {
        if (digits > 0 && digits % 3 == 0) grouped.insert(grouped.begin(), ',');
        grouped.insert(grouped.begin(), *it);
        ++digits;
    }
    int rest = static_cast<int>(total % 100);
    std::string text = "$" + grouped + ".";
    if (rest < 10) text += '0';
    text += std::to_string(rest);
    return text;
}

}  // namespace

std::string showmoney(double temp) {
    if (temp < 0) return "minus " + currency(-temp);
    return currency(temp);
}

std::string saymonth(int temp) {
    static const char* const names[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
    if (temp < 1 || temp > 12) return "";
    return names[temp - 1];
}

std::string spokendate(int month, int day, int year) {
    return saymonth(month) + " " + std::to_string(day) + ", " + std::to_string(year) + ".";
}

}  // namespace zelvo
