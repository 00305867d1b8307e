// A store's aisles: their capacity, and construction by the one table every store uses.
#include "store/aisles.h"

#include "core/zelvo.h"

namespace zelvo {

namespace {

constexpr Project kProjects[] = {
    {1, 25000, 20, 100, 10},
    {2, 45000, 30, 180, 30},
    {3, 60000, 40, 250, 60},
};

}  // namespace

int totalcapacity(const Zelvo& z, int store) {
    int total = 0;
    for (int a = 1; a <= z.s.store[store].aislecount; ++a) total += z.s.aisle[store][a].capacity;
    return total;
}

std::span<const Project> constructionprojects() {
    return kProjects;
}

BuildOutcome build(Zelvo& z, int p, int n) {
    const Project& project = kProjects[n - 1];
    Store& store = z.s.store[p];
    const int before = store.aislecount;
    if (before + project.aisles > kMostAisles) return BuildOutcome::TooBig;
    if (store.money < project.price) return BuildOutcome::CannotAfford;
    store.money -= project.price;
    store.extrasspent += project.price;
    store.monthlybills += project.billsbase + project.billsperaisle * before;
    for (int k = 0; k < project.aisles; ++k) {
        Aisle& aisle = z.s.aisle[p][++store.aislecount];
        aisle = Aisle{};
        aisle.item = -project.days;
    }
    return BuildOutcome::Done;
}

}  // namespace zelvo
