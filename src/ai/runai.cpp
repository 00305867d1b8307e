// A computer store's turn.
#include "ai/runai.h"

namespace zelvo {

// The computer stores do not act yet: their turn is called every day and does nothing, so
// they stand still while the rest of the world runs.
void runAI(Zelvo&, int) {}

}  // namespace zelvo
