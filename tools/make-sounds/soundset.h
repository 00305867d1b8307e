// Which wave files the game plays, and writing all of them into a game folder.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace zelvo::soundgen {

// Every file as a path below the game folder, e.g. "sounds/menu/arrows.wav".
std::vector<std::string> soundfiles();

// Creates `folder`/sounds/menu and `folder`/sounds/game and writes every file there.
// Notes on `log` when the spoken cues fall back to beeps. Throws std::runtime_error, naming
// the folder or file, when something cannot be written.
void writesounds(const std::filesystem::path& folder, std::ostream& log);

}  // namespace zelvo::soundgen
