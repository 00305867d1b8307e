// The shared warehouse. Units are moved, never made: a purchase and its spread leave the
// units of the carried items as they were.
#include "market/warehouse.h"

#include <cmath>
#include <vector>

#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

namespace {

double discount(double q) {
    static const double bands[] = {1, 0.98, 0.96, 0.94, 0.92, 0.90, 0.88, 0.86, 0.84, 0.82};
    if (q <= 10) return 1;
    // Each band of ten takes quantities above its lower bound: 10.5 is in the 0.98 band.
    int band = static_cast<int>(std::ceil(q / 10)) - 1;
    return bands[band > 9 ? 9 : band];
}

// Draws until an item passes `wanted`. A state where none can (only a damaged save could
// make one) ends the search instead of drawing forever.
template <class Wanted>
int drawitem(Zelvo& z, Wanted wanted) {
    bool any = false;
    for (int i = 1; i <= z.s.game.itemcount && !any; ++i) any = wanted(i);
    if (!any) return 0;
    int j = 0;
    do j = static_cast<int>(Int(z.s.game.itemcount * z.rng.draw())) + 1;
    while (!wanted(j));
    return j;
}

}  // namespace

double unitcost(const Zelvo& z, int item, double quantity) {
    const Item& it = z.s.item[item];
    return it.pricefactor * (0.8 * it.baseprice) * discount(quantity);
}

double warehouseprice(const Zelvo& z, int item, double quantity) {
    return roundcents(unitcost(z, item, quantity));
}

void spread(Zelvo& z, int quantity, int item) {
    auto& items = z.s.item;
    if (items[item].warehousestock == 0) {
        items[item].carried = 0;
        const int j = drawitem(z, [&](int k) { return items[k].carried == 0 && k != item; });
        if (j == 0) return;
        items[j].carried = 1;
        items[j].warehousestock = quantity;
        items[j].pricefactor = 1;
        return;
    }
    auto wanted = [&](int k) {
        return items[k].carried == 1 && k != item && items[k].warehousestock < 100;
    };
    // The items that can take a unit are found once, not sought again for every unit: a
    // unit draws among all the items until it hits one of them, many draws a unit.
    const int count = z.s.game.itemcount;
    std::vector<unsigned char> takes(static_cast<std::size_t>(count) + 2);  // and a draw of 1
    int open = 0;
    for (int k = 1; k <= count; ++k) {
        takes[static_cast<std::size_t>(k)] = wanted(k) ? 1 : 0;
        open += takes[static_cast<std::size_t>(k)];
    }
    for (int unit = 0; unit < quantity && open > 0; ++unit) {
        int j = 0;
        // Int(count x r) + 1: the product is never negative, so the conversion floors it.
        do j = static_cast<int>(count * z.rng.draw()) + 1;
        while (!takes[static_cast<std::size_t>(j)]);
        if (items[j].pricefactor > 1) {
            items[j].pricefactor -= 0.01;
            if (items[j].pricefactor < 1) items[j].pricefactor = 1;
        }
        items[j].warehousestock += 1;
        if (items[j].warehousestock >= 100) takes[static_cast<std::size_t>(j)] = 0, --open;
    }
}

void buyfromwarehouse(Zelvo& z, int item, int quantity, double pricerise) {
    z.s.item[item].warehousestock -= quantity;
    spread(z, quantity, item);
    z.s.item[item].pricefactor += quantity * pricerise;
}

void choosecarrieditems(Zelvo& z) {
    for (int n = 0; n < kCarriedItems; ++n) {
        const int k = drawitem(z, [&](int i) { return z.s.item[i].carried == 0; });
        if (k == 0) return;
        z.s.item[k].carried = 1;
    }
}

}  // namespace zelvo
