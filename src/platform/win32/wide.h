// The game's UTF-8 and the UTF-16 every Windows call takes.
#pragma once

#include <string>

namespace zelvo {

// Bytes that do not form UTF-8 are read as Latin-1, as older save and item files hold them.
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);

}  // namespace zelvo
