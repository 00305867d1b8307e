// Program-start values of the game records that are not plain member defaults.
#include "state/state.h"

namespace zelvo {

namespace {

constexpr const char* kOwners[] = {"", "Player", "Dorrin", "Dezerudi", "Vavudez", "Vozir"};
constexpr const char* kStores[] = {"",       "Zelvo",       "Kai Mart",
                                   "Neptco", "Monkey Barn", "White Divils"};

}  // namespace

const char* defaultownername(int slot) {
    return slot >= 1 && slot <= 5 ? kOwners[slot] : "";
}
const char* defaultstorename(int slot) {
    return slot >= 1 && slot <= 5 ? kStores[slot] : "";
}

void setdefaultnames(GameState& s) {
    for (int slot = 1; slot <= 5; ++slot) {
        s.store[slot].ownername = defaultownername(slot);
        s.store[slot].storename = defaultstorename(slot);
    }
    s.listcount = 0;
}

void startmonthfigures(GameState& s) {
    for (int p = 1; p <= s.game.playercount; ++p) {
        Store& store = s.store[p];
        store.monthstartmoney = store.money;
        store.researchspent = store.billspaid = store.wagespaid = store.loanpaid = 0;
        store.loaninterest = store.extrasspent = store.medicalspent = 0;
        for (int i = 1; i <= s.game.itemcount; ++i) s.storeitem[p][i] = StoreItem{};
    }
}

}  // namespace zelvo
