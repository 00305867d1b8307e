// What the market research team charges for a report, and paying it.
#pragma once

namespace zelvo {

struct Store;
struct Zelvo;

constexpr double kResearchPrice = 50;

// The price of one report: nothing for a store whose features make research free.
double researchprice(const Store& store);
// Pays for one report when the cash covers it; false (and nothing charged) otherwise.
bool payforresearch(Store& store);

// The report on what rival store s sells: its aisles squared times 20, nothing for a store p
// whose features make research free.
double rivalreportprice(const Zelvo& z, int p, int s);
// The general price advice for store p: 25 for each aisle holding goods (sold out or not),
// nothing when research is free for it.
double adviceprice(const Zelvo& z, int p);
// Pays `price` for research when the cash covers it; false (and nothing charged) otherwise.
bool payforresearch(Store& store, double price);

}  // namespace zelvo
