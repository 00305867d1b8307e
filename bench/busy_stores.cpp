// Stores that sell all day long: the heaviest days a game can have.
#include "busy_stores.h"

#include "state/state.h"

namespace zelvo {

void busystores(GameState& s, bool player) {
    for (int p = player ? 1 : 2; p <= 5; ++p) {
        Store& store = s.store[p];
        store.money = 1e9;
        store.employees = store.wantedemployees = 40;
        store.aislecount = 10;
        for (int a = 1; a <= 10; ++a) {
            const int item = a * 5;
            s.aisle[p][a] = {item,
                             1000000,
                             1000000,
                             s.item[item].baseprice * 0.6,
                             0,
                             0,
                             s.item[item].baseprice * 0.5};
        }
    }
}

}  // namespace zelvo
