// The goods of an aisle: its price, scrap sale, rebuilding, sales counter and restocking.
#pragma once

namespace zelvo {

struct Zelvo;

constexpr double kLowestPrice = 0.25;  // plus and minus never take a price below this
constexpr int kMostCapacity = 100;     // rebuilding stops here
constexpr int kRebuildDays = 14;
constexpr int kRebuildCapacity = 10;  // units a rebuilt aisle gains
constexpr double kRebuildBills = 10;  // added to the monthly bills for good
constexpr double kScrapShare = 0.2;   // of the base price a scrap dealer pays

// A sale price moved by `step`: to cents, and at least the lowest price.
double steppedprice(double price, double step);
// The sale price a new shipment gets: 120% of the unit price cut to whole cents, then down
// to a whole number of quarters.
double markupprice(double unitprice);

// What the scrap dealer pays for the whole stock of an aisle: to cents, at least 0.25.
double scrapvalue(const Zelvo& z, int store, int aisle);
// Sells the whole stock for scrap: the value into cash, the aisle empty (its sales counter
// kept). Returns the value.
double sellforscrap(Zelvo& z, int store, int aisle);

enum class RebuildOutcome { Started, AtMost };
// Rebuilds an empty or sold-out aisle to hold 10 more units: 14 days of work that drop its
// goods, and 10 more a month on the bills; nothing is charged now.
RebuildOutcome rebuildaisle(Zelvo& z, int store, int aisle);

// Starts the sales counter again.
void resetsalescounter(Zelvo& z, int store, int aisle);

// What `quantity` units at `unitprice` come to, in whole cents as the buyer is charged.
double ordertotal(double unitprice, int quantity);

// What restocking an aisle came to.
enum class RestockOutcome { NewPrice, SamePrice, CannotAfford };
// Buys `quantity` units of `item` at `unitprice` each into store p's aisle (the caller keeps
// the quantity within the warehouse's stock): the cash, the month's figures, the aisle and
// its sale price (kept when the aisle held the same item), and the warehouse's one purchase.
RestockOutcome restockaisle(Zelvo& z, int p, int aisle, int item, int quantity, double unitprice);

}  // namespace zelvo
