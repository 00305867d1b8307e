// A computer store's aisles and goods: upgrades, new aisles, restocking and price cuts.
#include <string>

#include "ai/profile.h"
#include "ai/steps.h"
#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/zelvo.h"
#include "market/warehouse.h"
#include "market/wheels.h"
#include "store/aislegoods.h"
#include "store/aisles.h"
#include "store/research.h"

namespace zelvo {

namespace {

constexpr double kBuildingCash = 90000;
constexpr int kFewestResearched = 10;  // warehouse stock below this: free to research, never bought
constexpr int kBuyStep = 10;

int draw(Zelvo& z, int n) {
    return static_cast<int>(Int(z.rng.draw() * n)) + 1;
}

// How attractive item c looks to a computer store: the room between the research estimate
// and a normal warehouse price.
double wiggle(const Zelvo& z, int c) {
    return estimatefourwheels(z, c) - z.s.item[c].baseprice * 0.8;
}

bool stockedhere(const Zelvo& z, int s, int c) {
    for (int x = 1; x <= z.s.store[s].aislecount; ++x) {
        const Aisle& aisle = z.s.aisle[s][x];
        if (aisle.item == c && aisle.stock > 0) return true;
    }
    return false;
}

// A research candidate: a carried item the store does not have on its shelves. 0 when no item
// of the catalogue qualifies, which ends that aisle's research.
int candidate(Zelvo& z, int s) {
    auto wanted = [&](int c) { return z.s.item[c].carried != 0 && !stockedhere(z, s, c); };
    bool any = false;
    for (int c = 1; c <= z.s.game.itemcount && !any; ++c) any = wanted(c);
    if (!any) return 0;
    int c = 0;
    do c = draw(z, z.s.game.itemcount);
    while (!wanted(c));
    return c;
}

void restockaisle(Zelvo& z, int s, int x) {
    Store& store = z.s.store[s];
    const SlotProfile& profile = slotprofile(s);
    int t = static_cast<int>(Int(z.rng.draw() * profile.researchspan)) + profile.researchbase;
    if (t * kResearchPrice >= store.money) t = 0;
    int best = 0;
    double bestwiggle = 0;
    logsecondstore(z, s, "Researching " + numtext(t) + " times...");
    for (int i = 0; i < t; ++i) {
        const int c = candidate(z, s);
        if (c == 0) break;
        const Item& item = z.s.item[c];
        if (item.warehousestock >= kFewestResearched) payforresearch(store, kResearchPrice);
        const double w = wiggle(z, c);
        if (w > bestwiggle && item.warehousestock >= kFewestResearched) {
            best = c;
            bestwiggle = w;
        }
    }
    if (best == 0) return;
    Aisle& aisle = z.s.aisle[s][x];
    Item& item = z.s.item[best];
    int amount = aisle.capacity;
    if (amount > item.warehousestock) amount = item.warehousestock;
    double cost = 0;
    for (;;) {
        cost = unitcost(z, best, amount);
        logsecondstore(z, s,
                       "The best one is " + item.name + ", cost is $" + numtext(cost) +
                           ", demand is $" + numtext(readwheel(z, best)) + ", has wiggle of $" +
                           numtext(bestwiggle));
        if (amount < kBuyStep) return;
        if (amount * cost <= store.money) break;
        amount -= kBuyStep;
    }
    logsecondstore(z, s,
                   "Buying " + numtext(amount) + " of the item for $" + numtext(cost) + " each.");
    store.money -= amount * cost;
    aisle.item = best;
    aisle.stock = amount;
    aisle.sold = 0;
    aisle.saledays = 0;
    buyfromwarehouse(z, best, amount, kComputerPriceRise);
    aisle.price = roundcents(cost + bestwiggle * profile.margin);
    aisle.cost = cost;
}

}  // namespace

void upgradeaisles(Zelvo& z, int s) {
    const Store& store = z.s.store[s];
    for (int x = 1; x <= store.aislecount; ++x) {
        const Aisle& aisle = z.s.aisle[s][x];
        if (aisle.item < 0 || aisle.stock != 0 || aisle.capacity >= kMostCapacity) continue;
        if (draw(z, 20 * s) != 1) continue;
        logsecondstore(z, s, "Upgrading aisles #" + numtext(x));
        rebuildaisle(z, s, x);  // the player's rebuilding: no cash now, more on the bills
    }
}

void buildaisles(Zelvo& z, int s) {
    const Store& store = z.s.store[s];
    if (store.money < kBuildingCash) return;
    if (draw(z, 1000) > slotprofile(s).buildat) return;
    const int n = draw(z, 3);
    // A store never builds past the most aisles: the draw of n stands, the build is refused.
    if (build(z, s, n) == BuildOutcome::Done)
        logsecondstore(z, s, "Building upgrade for " + numtext(n) + " new aisles.");
}

void restock(Zelvo& z, int s) {
    for (int x = 1; x <= z.s.store[s].aislecount; ++x) {
        const Aisle& aisle = z.s.aisle[s][x];
        if (aisle.item >= 0 && aisle.stock == 0) restockaisle(z, s, x);
    }
}

void cutprices(Zelvo& z, int s) {
    const SlotProfile& profile = slotprofile(s);
    for (int x = 1; x <= z.s.store[s].aislecount; ++x) {
        Aisle& aisle = z.s.aisle[s][x];
        if (aisle.item < 0 || aisle.stock <= 0 || aisle.saledays < profile.cutdays) continue;
        if (aisle.sold > 0) {
            aisle.sold = 0;
            aisle.saledays = 0;
        }
        if (aisle.sold != 0 || aisle.saledays < profile.cutdays) continue;
        const double newprice = roundcents(aisle.price * 0.9);
        // The cost is an average of purchase prices and may carry binary noise (1008 held as
        // 1007.9999999999999); a cut that lands on it is judged on the figure it stands for.
        const double cost = roundeven(aisle.cost, 9);
        bool cut = newprice > cost;
        if (newprice < cost) cut = draw(z, 100) <= profile.belowcost;
        if (!cut) continue;
        logsecondstore(z, s,
                       "Looking to adjust the price of (" + z.s.item[aisle.item].name +
                           ") which hasn't sold in " + numtext(aisle.saledays) + " days.  Paid $" +
                           numtext(aisle.cost) + ", Price was $" + numtext(aisle.price) +
                           ", new will be $" + numtext(newprice));
        aisle.price = newprice;
        aisle.sold = 0;
        aisle.saledays = 0;
    }
}

}  // namespace zelvo
