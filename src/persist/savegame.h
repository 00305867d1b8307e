// Saved games: a text file in the program's folder under the name the player types.
#pragma once

#include <string>

namespace zelvo {

struct GameState;
struct Zelvo;

// The whole saved game as the file holds it, CR LF after every line.
std::string savetext(const GameState& s);

// Writes the current game to the named file ("lastsave" is the silent automatic save). With
// no file of exactly the typed name, a save whose name differs only in letter case is
// replaced (never "lastsave", unless typed so).
void savegame(Zelvo& z, const std::string& typed);
// A save stays a plain file in the program's folder: no folders, no way out of it.
bool plainname(const std::string& name);

}  // namespace zelvo
