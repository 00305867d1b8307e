// The loan list, what a store owes and is worth, and the credit-rating sentence.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// Drops paid-off records and brings the player's loans to the front, in one backward pass.
void sortloans(Zelvo& z);
// The player's loans that still have something owed.
int liveloans(const Zelvo& z);
// A store's cash less everything it owes on its loans.
double worth(const Zelvo& z, int store);
// The sentence that tells the player's credit rating.
std::string creditratingtext(int r);

}  // namespace zelvo
