// The phrase table that translates the game's messages.
#pragma once

#include <string>

#include "core/records.h"

namespace zelvo {

struct Zelvo;

// Reads "language.txt" from the program's folder, when there is one.
void loadlanguagefile(Zelvo& z);
// Replaces every known phrase in the text. A text that the phrases make grow past all
// measure is returned untranslated, and the log says so once.
std::string Translate(Zelvo& z, const std::string& text);

}  // namespace zelvo
