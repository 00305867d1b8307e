// Repairing text that is not valid UTF-8 before it reaches the desktop's libraries.
#include "platform/speechd/utf8.h"

namespace zelvo {

std::string asUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        size_t len = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            len = 1;
            cp = c;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07u;
        }
        bool valid = len > 0 && i + len <= n;
        for (size_t k = 1; valid && k < len; ++k) {
            if ((p[i + k] & 0xC0u) != 0x80u) valid = false;
            cp = (cp << 6) | (p[i + k] & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8 either.
        if (valid && ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
                      (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF))
            valid = false;
        if (valid) {
            out.append(text, i, len);
            i += len;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return out;
}

std::string dropLastCharacter(std::string& text) {
    if (text.empty()) return {};
    size_t start = text.size() - 1;
    // Step back over continuation bytes, but never more than one sequence's worth.
    while (start > 0 && text.size() - start < 4 &&
           (static_cast<unsigned char>(text[start]) & 0xC0u) == 0x80u)
        --start;
    std::string last = text.substr(start);
    text.erase(start);
    return last;
}

}  // namespace zelvo
