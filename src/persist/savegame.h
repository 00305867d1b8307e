// Saved games: a text file in the program's folder under the name the player types.
#pragma once

#include <string>

namespace zelvo {

struct GameState;
struct Zelvo;

// The whole saved game as the file holds it, CR LF after every line.
std::string savetext(const GameState& s);

// Writes the current game to the named file ("lastsave" is the silent automatic save).
void savegame(Zelvo& z, const std::string& tempm);
// A save stays a plain file in the program's folder: no folders, no way out of it.
bool plainname(const std::string& name);

}  // namespace zelvo
