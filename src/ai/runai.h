// A computer store's turn.
#pragma once

namespace zelvo {

struct Zelvo;

// Store p's daily turn: stocking, pricing, staff, loans and growth.
void runAI(Zelvo& z, int p);

}  // namespace zelvo
