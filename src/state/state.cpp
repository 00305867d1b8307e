// Program-start values of the game records that are not plain member defaults.
#include "state/state.h"

namespace zelvo {

void setdefaultnames(GameState& s) {
    static const char* const owners[] = {"", "Player", "Dorrin", "Dezerudi", "Vavudez", "Vozir"};
    static const char* const stores[] = {"",       "Zelvo",       "Kai Mart",
                                         "Neptco", "Monkey Barn", "White Divils"};
    for (int slot = 1; slot <= 5; ++slot) {
        s.store[slot].ownername = owners[slot];
        s.store[slot].storename = stores[slot];
    }
    s.listcount = 0;
}

}  // namespace zelvo
