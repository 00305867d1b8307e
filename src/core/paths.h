// Paths from the game's names and back. The game keeps every name in UTF-8; a path made from
// a plain string would take it in the system's code page on Windows, so they go through here.
#pragma once

#include <filesystem>
#include <string>

namespace zelvo {

std::filesystem::path pathof(const std::string& utf8);
std::string utf8of(const std::filesystem::path& path);
// With forward slashes on every system, as the game shows a path to the player.
std::string genericutf8(const std::filesystem::path& path);

}  // namespace zelvo
