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
// To the nearest whole number, halves to even.
inline double roundeven(double x) {
    return std::nearbyint(x);
}
// To `places` decimals, halves to even.
inline double roundeven(double x, int places) {
    double scale = std::pow(10.0, places);
    return std::nearbyint(x * scale) / scale;
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
