// The phrase table that translates the game's messages.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zelvo {

struct Zelvo;

// The Language record: phrases and their translations, in file order.
struct Language {
    int count = 0;
    std::vector<std::pair<std::string, std::string>> phrases;
    bool grewtoolong = false;  // a text outgrew its bound, and the log has said so
};

// Reads "language.txt" from the program's folder, when there is one.
void loadlanguagefile(Zelvo& z);
// Replaces every known phrase in the text. A text that the phrases make grow past all
// measure is returned untranslated, and the log says so once.
std::string Translate(Zelvo& z, const std::string& text);

}  // namespace zelvo
