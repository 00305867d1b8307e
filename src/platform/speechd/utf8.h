// Repairing text that is not valid UTF-8 before it reaches the desktop's libraries.
#pragma once

#include <string>

namespace zelvo {

// `text` as valid UTF-8: bytes that do not form UTF-8 are read as Latin-1, which is what
// older save and item files hold. speech-dispatcher, SDL2_ttf and BrlAPI all want UTF-8.
std::string asUtf8(const std::string& text);

// Removes the last character (a whole UTF-8 sequence) from `text` and returns it; empty
// when there is none.
std::string dropLastCharacter(std::string& text);

}  // namespace zelvo
