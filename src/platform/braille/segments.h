// Cutting a message into pieces that fit the braille display, and panning through them.
#pragma once

#include <string>
#include <vector>

namespace zelvo {

// `text` (UTF-8) in pieces of at most `cells` characters, to be shown one at a time. A
// piece ends after the last blank that fits, so words are read whole; only a word longer
// than the display is cut. No piece starts with a blank. There is always one piece, empty
// for an empty or blank text; a display of no cells gets the whole text in one.
std::vector<std::string> braillesegments(const std::string& text, int cells);

// What a key of the display does to the piece shown.
enum class BraillePan { Back, Forward, First, Last };

// The piece to show after `pan` when piece `current` of `count` is shown; it stays at the
// first and the last piece.
int braillepan(int current, int count, BraillePan pan);

}  // namespace zelvo
