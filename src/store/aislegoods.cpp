// An aisle's goods: prices in cents, scrap, rebuilding, the counter and the player's restock.
#include "store/aislegoods.h"

#include "core/numbers.h"
#include "core/zelvo.h"
#include "market/warehouse.h"

namespace zelvo {

double steppedprice(double price, double step) {
    const double stepped = roundcents(price + step);
    return stepped < kLowestPrice ? kLowestPrice : stepped;
}

double markupprice(double unitprice) {
    // In whole cents, so that the cuts are decided on the decimal amount: 2.99 is 299 cents,
    // 120% of it 358 cents, and 14 quarters of those 3.50.
    const long long cents = static_cast<long long>(roundeven(unitprice * 100));
    const long long marked = cents * 6 / 5;
    return static_cast<double>(marked / 25 * 25) / 100;
}

double scrapvalue(const Zelvo& z, int store, int aisle) {
    const Aisle& a = z.s.aisle[store][aisle];
    const double value = roundcents(a.stock * z.s.item[a.item].baseprice * kScrapShare);
    return value < kLowestPrice ? kLowestPrice : value;
}

double sellforscrap(Zelvo& z, int store, int aisle) {
    const double value = scrapvalue(z, store, aisle);
    Aisle& a = z.s.aisle[store][aisle];
    z.s.store[store].money += value;
    a.stock = 0;
    a.item = 0;
    return value;
}

RebuildOutcome rebuildaisle(Zelvo& z, int store, int aisle) {
    Aisle& a = z.s.aisle[store][aisle];
    if (a.capacity >= kMostCapacity) return RebuildOutcome::AtMost;
    a.item = -kRebuildDays;
    a.capacity += kRebuildCapacity;
    z.s.store[store].monthlybills += kRebuildBills;
    return RebuildOutcome::Started;
}

void resetsalescounter(Zelvo& z, int store, int aisle) {
    Aisle& a = z.s.aisle[store][aisle];
    a.sold = 0;
    a.saledays = 0;
}

double ordertotal(double unitprice, int quantity) {
    // A unit price in cents times a whole number is a sum in cents; rounding only takes away
    // the binary remainder, so a total equal to the cash is never taken for more.
    return roundcents(unitprice * quantity);
}

RestockOutcome restockaisle(Zelvo& z, int p, int aisle, int item, int quantity, double unitprice) {
    Store& store = z.s.store[p];
    Aisle& a = z.s.aisle[p][aisle];
    const double total = ordertotal(unitprice, quantity);
    if (total > store.money) return RestockOutcome::CannotAfford;
    store.money = roundcents(store.money - unitprice * quantity);
    const bool same = a.item == item;
    if (!same) a.price = markupprice(unitprice);
    a.item = item;
    StoreItem& figures = z.s.storeitem[p][item];
    figures.bought += quantity;
    figures.boughtcost += total;
    a.stock = quantity;
    a.cost = unitprice;
    a.sold = 0;
    a.saledays = 0;
    buyfromwarehouse(z, item, quantity, kPlayerPriceRise);
    return same ? RestockOutcome::SamePrice : RestockOutcome::NewPrice;
}

}  // namespace zelvo
