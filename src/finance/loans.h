// The loan list and what the game says of loans and credit.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// Drops paid-off records and brings the player's loans to the front, in one backward pass.
void sortloans(Zelvo& z);
// The player's loans that still have something owed.
int liveloans(const Zelvo& z);
// The sentence that tells the player's credit rating.
std::string creditratingtext(int r);

}  // namespace zelvo
