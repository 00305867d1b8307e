// Loading a saved game.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// Reads a saved game (this version's or one of the two before it) and opens the Store menu.
// A file that cannot be read to its end changes nothing. With no file of exactly the typed
// name, the newest saved game whose name differs only in letter case is read.
void loadgame(Zelvo& z, const std::string& typed);

}  // namespace zelvo
