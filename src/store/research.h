// What the market research team charges for a report, and paying it.
#pragma once

namespace zelvo {

struct Store;

constexpr double kResearchPrice = 50;

// The price of one report: nothing for a store whose features make research free.
double researchprice(const Store& store);
// Pays for one report when the cash covers it; false (and nothing charged) otherwise.
bool payforresearch(Store& store);

}  // namespace zelvo
