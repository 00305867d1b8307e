// The sound buffers and the one way the game plays a sound.
#pragma once

#include <string>

#include "core/records.h"

namespace zelvo {

struct Zelvo;

// Opens the device and preloads every buffer with the cursor sound. False when the device
// cannot be opened; the message box, with the system's reason, has then been shown and the
// same line written to the debug log.
bool startsound(Zelvo& z);
// What the player is told when the sound device cannot be opened, for the system's reason.
std::string nodevicemessage(const std::string& reason);

// Plays one sound. `flock` is a path below the program's folder as the game writes it
// ("\sounds\game\tick.wav" or "/sounds/menu/arrows.wav"); `bufferindex` -1 takes the next
// buffer of the pool 2..49.
void makesound(Zelvo& z, const std::string& flock, double tempv, double tempp, int temploop,
               int bufferindex);
void setsound(Zelvo& z, int buffer, const std::string& tempm);
void setvol(Zelvo& z, int buffer, double w);
void setpan(Zelvo& z, int buffer, double w);

// A random place on the left (-5000 to -1000) or the right (1000 to 5000): one draw.
double leftpan(Zelvo& z);
double rightpan(Zelvo& z);

// The game's spelling of a sound path turned into one relative to the program's folder:
// slashes only, no leading slash ("sounds/game/tick.wav").
std::string soundrelativepath(const std::string& flock);

}  // namespace zelvo
