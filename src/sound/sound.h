// The sound buffers and the one way the game plays a sound.
#pragma once

#include <array>
#include <string>
#include <unordered_set>

namespace zelvo {

struct Zelvo;

// The Sound record: the device and its 50 buffers live in the platform.
struct Sound {
    static constexpr int kBuffers = 50;
    int lastbuffer = kBuffers - 1;
    int nextbuffer = 0;  // the pool buffer used last
    bool deviceopen = false;
    std::array<bool, kBuffers> loaded{};      // which buffers hold a sound
    std::unordered_set<std::string> missing;  // files already logged as missing
};

// Opens the device and preloads every buffer with the cursor sound. False when the device
// cannot be opened; the message box has then been shown.
bool startsound(Zelvo& z);

// Plays one sound. `flock` is a path below the program's folder as the game writes it
// ("\sounds\game\tick.wav" or "/sounds/menu/arrows.wav"); `bufferindex` -1 takes the next
// buffer of the pool 2..49.
void makesound(Zelvo& z, const std::string& flock, double tempv, double tempp, int temploop,
               int bufferindex);
void setsound(Zelvo& z, int buffer, const std::string& tempm);
void setvol(Zelvo& z, int buffer, double w);
void setpan(Zelvo& z, int buffer, double w);

// The game's spelling of a sound path turned into one relative to the program's folder:
// slashes only, no leading slash ("sounds/game/tick.wav").
std::string soundrelativepath(const std::string& flock);

}  // namespace zelvo
