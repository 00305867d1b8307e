// The saved games in the player's folder, as the Load and Save boxes offer them.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace zelvo {

struct Zelvo;

// A saved game and the in-game date it was saved on; day 0 when the date cannot be read.
struct SavedGame {
    std::string name;
    int month = 0, day = 0, year = 0;  // the calendar as the file holds it
};

// The files of `folder` that begin with the version line of a save this game reads, newest
// first (by when each was last written, then by name), read only as far as their date.
std::vector<SavedGame> savedgames(const std::string& folder);

// The file a typed name stands for: the file of exactly that name when there is one, or
// else the newest saved game whose name differs from it only in letter case (A-Z), or else
// the typed name itself.
std::string savefilename(const std::string& folder, const std::string& typed);

// The saved games as the boxes step through them: each name, and the name with its date.
InputChoices savechoices(Zelvo& z);

}  // namespace zelvo
