// Plain decimal text for numbers in messages.
#include "core/numbers.h"

#include <cstdio>

namespace zelvo {

std::string numtext(double x) {
    if (x == 0) return "0";  // also -0
    char buf[64];
    // 15 significant digits keep what a double can carry without showing binary noise.
    std::snprintf(buf, sizeof buf, "%.15g", x);
    std::string text = buf;
    if (text.find('e') == std::string::npos) return text;
    std::snprintf(buf, sizeof buf, "%.15f", x);
    text = buf;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace zelvo
