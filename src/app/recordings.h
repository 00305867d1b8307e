// When the game's session is written to a file, and what the player hears about it.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;
class SessionRecorder;

// Keeps in the session each file the game reads from the player's folder. Call before the
// game starts, so that the preferences, item lists and language file it starts with are
// kept too.
void keepfilesread(Zelvo& z, SessionRecorder& recorder);

// Writes the session to `path` when one is given (--record), or to a new file in the
// recordings folder when the player's setting is on; from then on, after each event,
// follows the setting as the player turns it on and off, and tells the player when a file
// cannot be written. Call once the game has started.
void keeprecording(Zelvo& z, SessionRecorder& recorder, const std::string& path);

// A new file in the player's recordings folder, named for the moment it is made
// ("recordings/2026-12-10 18-05-09.txt"); the folder is made when it is missing.
std::string newrecordingfile(const Zelvo& z);

}  // namespace zelvo
