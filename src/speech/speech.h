// Speaking: the one way the game talks to the player, and the engines behind it.
#pragma once

#include <string>
#include <vector>

namespace zelvo {

struct Zelvo;

// Speaks and records one message; never fails towards its caller.
void sayit(Zelvo& z, const std::string& tempm);
// Hands a text to the chosen output only: not translated, recorded or drawn, and no
// pending events are processed. For the echo of a key typed into the text-entry box.
void sendtooutput(Zelvo& z, const std::string& text);
// Pauses the game, plays the pause sound and speaks.
void popup(Zelvo& z, const std::string& tempm);
// Starts the voice (output 0) and the screen reader (output 3).
void setupsapi(Zelvo& z);
void loadjaws(Zelvo& z);
// Gives the voice UI.sapirate, when there is a voice.
void applyrate(Zelvo& z);

// The lines the window shows for a message `width` pixels wide: at most N(w) characters
// each, w = width / 28 x 1.5, broken at the last blank that fits (a longer word is cut),
// with no blank at either end of a line.
std::vector<std::string> splitlines(const std::string& text, int width);

}  // namespace zelvo
