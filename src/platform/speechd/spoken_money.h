// Money amounts in the words a voice reads well.
#pragma once

#include <string>

namespace zelvo {

// `text` with every money amount ("$49,874.60", "$1", "$0.05") written as a voice should
// say it ("49,874 dollars and 60 cents", "1 dollar", "5 cents"): speech engines read "$"
// as the word "dollar" where it stands, before the figure, and read the cents as digits.
// Only what goes to a voice takes this form; the window, the title, braille and every
// file keep the game's own text. A "$" that does not begin a whole amount is left alone,
// and so is an amount run together with letters.
std::string spokenMoney(const std::string& text);

}  // namespace zelvo
