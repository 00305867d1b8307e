// Number helpers shared by every message and reckoning: floor, truncation, rounding, text.
#pragma once

#include <cmath>
#include <string>

namespace zelvo {

// Int: the floor.
inline double Int(double x) {
    return std::floor(x);
}
// Fix: toward zero.
inline double Fix(double x) {
    return std::trunc(x);
}
// To `places` decimals (0 to 9), halves to even. A half is decided on the decimal figure a
// product stands for, not on its nearest binary fraction: 4.50 x 0.95 is 4.275 (held as
// 4.27499...) and gives 4.28. Every "rounded to cents" and "halves to even" goes through here.
double roundeven(double x, int places);
// To the nearest whole number, halves to even.
inline double roundeven(double x) {
    return roundeven(x, 0);
}
inline double roundcents(double x) {
    return roundeven(x, 2);
}

// A plain decimal number as the game writes it in messages: no grouping, no exponent,
// no trailing zeros ("3", "2.5", "-12.75").
std::string numtext(double x);
inline std::string numtext(int x) {
    return std::to_string(x);
}

}  // namespace zelvo
