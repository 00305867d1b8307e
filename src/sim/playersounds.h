// The sounds of money and trouble in the player's store, heard from the left.
#pragma once

namespace zelvo {

struct Zelvo;

// The alarm: cash below zero, or a payment missed.
void alarmsound(Zelvo& z);
// One coin for the wages ("coin"), a handful for a bill or a loan payment ("coins").
void coinsound(Zelvo& z, const char* coins);

}  // namespace zelvo
