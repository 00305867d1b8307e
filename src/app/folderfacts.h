// What the machine says about the program's place, each system asked its own way.
#pragma once

#include <string>

#include "app/folders.h"

namespace zelvo {

// The facts the player's folder is chosen by: `dir` as --dir named it, `program` the folder
// of the executable. Linux gives the XDG and home folders, Windows %APPDATA%.
FolderFacts gatherfolderfacts(const std::string& dir, const std::string& program);

// Whether `path` is a folder (a link to one counts).
bool isfolder(const std::string& path);

}  // namespace zelvo
