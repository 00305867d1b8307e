// Catching up on late bills: all the late months at once, or nothing.
#include "finance/bills.h"

#include "core/zelvo.h"

namespace zelvo {

CatchUp paylatebills(Zelvo& z, int p) {
    Store& store = z.s.store[p];
    const double due = store.monthlybills * store.billsmonthslate;
    if (store.money < due) return {false, due};
    store.money -= due;
    store.billspaid += due;
    store.billsmonthslate = 0;
    return {true, due};
}

}  // namespace zelvo
