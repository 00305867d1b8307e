// A computer store's turn.
#include "ai/runai.h"

#include "ai/steps.h"

namespace zelvo {

void runAI(Zelvo& z, int p) {
    upgradeaisles(z, p);
    buildaisles(z, p);
    restock(z, p);
    cutprices(z, p);
    adjustwage(z, p);
    setstafftarget(z, p);
    borrow(z, p);
    payextraonloan(z, p);
    buybenefit(z, p);
    buycustomerfeature(z, p);
}

}  // namespace zelvo
