// The market research team's price, charged to the month's research spending.
#include "store/research.h"

#include "core/zelvo.h"
#include "features/catalogue.h"

namespace zelvo {

double researchprice(const Store& store) {
    for (const Feature& feature : featurecatalogue())
        if (feature.freeresearch && hasfeature(store, feature.tag)) return 0;
    return kResearchPrice;
}

bool payforresearch(Store& store) {
    return payforresearch(store, researchprice(store));
}

double rivalreportprice(const Zelvo& z, int p, int s) {
    if (researchprice(z.s.store[p]) == 0) return 0;
    const int aisles = z.s.store[s].aislecount;
    return aisles * aisles * 20.0;
}

double adviceprice(const Zelvo& z, int p) {
    if (researchprice(z.s.store[p]) == 0) return 0;
    int stocked = 0;
    for (int a = 1; a <= z.s.store[p].aislecount; ++a) stocked += z.s.aisle[p][a].item > 0;
    return 25.0 * stocked;
}

bool payforresearch(Store& store, double price) {
    if (store.money < price) return false;
    store.money -= price;
    store.researchspent += price;
    return true;
}

}  // namespace zelvo
