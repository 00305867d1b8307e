// The market research team's price, charged to the month's research spending.
#include "store/research.h"

#include "features/catalogue.h"
#include "state/state.h"

namespace zelvo {

double researchprice(const Store& store) {
    for (const Feature& feature : featurecatalogue())
        if (feature.freeresearch && hasfeature(store, feature.tag)) return 0;
    return kResearchPrice;
}

bool payforresearch(Store& store) {
    const double price = researchprice(store);
    if (store.money < price) return false;
    store.money -= price;
    store.researchspent += price;
    return true;
}

}  // namespace zelvo
