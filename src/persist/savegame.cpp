// Saved games.
#include "persist/savegame.h"

#include <filesystem>

#include "core/zelvo.h"
#include "speech/speech.h"

namespace zelvo {

// This version of the game cannot write or read saved games yet: the player is told
// plainly that nothing was saved or loaded, and no file is touched.
void savegame(Zelvo& z, const std::string& tempm) {
    (void)tempm;
    sayit(z, "Error saving game.");
}

void loadgame(Zelvo& z, const std::string& tempm) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(folderfile(z, tempm), ec)) {
        sayit(z, "File not found.");
        return;
    }
    sayit(z, "Error loading game.");
}

}  // namespace zelvo
