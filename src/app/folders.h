// Where the game's files are found: its sounds, and the folder of the player's own files.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zelvo {

// What the machine says about the program's place, gathered once at start-up.
struct FolderFacts {
    std::string dir;                         // the folder named with --dir; empty when none
    std::string program;                     // the folder of the executable
    bool programwritable = false;            // the program may write in its own folder
    bool soundsbeside = false;               // the program's folder holds its sounds/
    std::optional<std::string> xdgdatahome;  // $XDG_DATA_HOME, when set
    std::optional<std::string> home;         // the player's home folder, when known
    std::optional<std::string> appdata;      // %APPDATA%, on Windows only
};

// The player's folder, or why there is none (folder empty, problem set).
struct FolderChoice {
    std::string folder;
    std::string problem;
};

// --dir wins. A portable game (a build folder, or a copy with its sounds beside it that it
// may write to) keeps the player's files beside itself. An installed game keeps them in
// %APPDATA%\Zelvo on Windows; elsewhere in $XDG_DATA_HOME/zelvo, or ~/.local/share/zelvo
// when that is unset, empty or not absolute.
FolderChoice choosePlayerFolder(const FolderFacts& facts);

// The folder that holds the game's sounds/: the program's own folder when they lie beside
// it, else the installed game's data folder, `installed` relative to the program's folder
// (../share/zelvo); the program's folder when neither has them, so that the missing files
// are reported where a portable game would keep them.
std::string chooseSoundFolder(const std::string& program, const std::string& installed,
                              const std::function<bool(const std::string&)>& isfolder);

// Makes the player's folder, and the folders above it, when missing. False, with a message
// the player can act on, when it cannot be had as a folder.
bool makePlayerFolder(const std::string& folder, std::string& problem);

}  // namespace zelvo
