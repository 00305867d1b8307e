// What a text-entry box says and keeps; every adapter's box speaks alike.
#pragma once

#include <cstddef>
#include <string>

namespace zelvo {

// Longer than any name or amount the game asks for; a held key cannot grow it forever.
constexpr std::size_t kEntryMaxBytes = 1000;

// A lone blank or nothing at all says nothing when spoken; name them.
inline std::string entryWords(const std::string& text) {
    if (text.empty()) return "blank";
    if (text == " ") return "space";
    return text;
}

}  // namespace zelvo
