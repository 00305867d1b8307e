// What makes each computer store its own: the constants of its slot, and its feature offers.
#pragma once

#include <span>

namespace zelvo {

struct SlotProfile {
    int buildat;       // new aisles when a draw of 1 to 1000 is at most this
    int researchspan;  // research draws for an empty aisle: Int(r x span) + base
    int researchbase;
    double margin;           // share of the wiggle added to the unit cost
    int cutdays;             // stocked days without a sale before a price cut
    int belowcost;           // a cut below cost when a draw of 1 to 100 is at most this
    int wagecut;             // wage cut when fully staffed: a draw of 1 to 100 at most
    int wageraise;           // wage raise when short of workers: a draw of 1 to 100 at most
    int earlystaff;          // wanted workers in the first 30 days
    int fewerat;             // fewer workers when crowded days are at most this
    int moreat;              // more workers when crowded days are at least this
    double borrowline;       // borrow when the net position is at most this
    double featuremultiple;  // buy a feature only with cash of its price times this
};

// The profile of computer store slot s (2 to 5).
const SlotProfile& slotprofile(int s);

// A feature as the computer stores buy it, at their own prices.
struct FeatureOffer {
    const char* tag;
    double price;
    double monthly;
};

// The employee benefits and the customer features, each in the order a store buys them.
std::span<const FeatureOffer> benefitoffers();
std::span<const FeatureOffer> customeroffers();

}  // namespace zelvo
