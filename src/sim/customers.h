// Customers and sales: how many come to each store, and what they buy or steal.
#pragma once

namespace zelvo {

struct Zelvo;

// Every store's customers for the day: the season's count, then the drawing features.
void countcustomers(Zelvo& z);
// The drawing features at work: each takes customers from every other active store.
void drawcustomers(Zelvo& z);
// One active store's day: crowding record, aisle counters, sales and thefts.
void storeday(Zelvo& z, int store);
// The theft divisor: one customer-aisle visit in this many is a theft.
double theftdivisor(const Zelvo& z, int store);

}  // namespace zelvo
