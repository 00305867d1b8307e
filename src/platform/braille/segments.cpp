// Cutting a message into pieces that fit the braille display, and panning through them.
#include "platform/braille/segments.h"

#include <algorithm>
#include <cstddef>

namespace zelvo {

std::vector<std::string> braillesegments(const std::string& text, int cells) {
    // Where each character starts, and one past the end.
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u) at.push_back(i);
    const std::size_t count = at.size();
    at.push_back(text.size());
    auto blank = [&](std::size_t k) { return text[at[k]] == ' '; };

    std::vector<std::string> pieces;
    const std::size_t width = cells > 0 ? static_cast<std::size_t>(cells) : count + 1;
    std::size_t pos = 0;
    for (;;) {
        while (pos < count && blank(pos)) ++pos;
        if (pos >= count) break;
        std::size_t end = std::min(pos + width, count);  // one past the piece's last character
        if (end < count && !blank(end)) {
            std::size_t b = end;
            while (b > pos && !blank(b - 1)) --b;
            if (b > pos) end = b;  // after the last blank that fits
        }
        std::size_t last = end;
        while (last > pos && blank(last - 1)) --last;
        pieces.push_back(text.substr(at[pos], at[last] - at[pos]));
        pos = end;
    }
    if (pieces.empty()) pieces.emplace_back();
    return pieces;
}

int braillepan(int current, int count, BraillePan pan) {
    const int last = std::max(count, 1) - 1;
    switch (pan) {
    case BraillePan::Back:
        current -= 1;
        break;
    case BraillePan::Forward:
        current += 1;
        break;
    case BraillePan::First:
        current = 0;
        break;
    case BraillePan::Last:
        current = last;
        break;
    }
    return std::clamp(current, 0, last);
}

}  // namespace zelvo
