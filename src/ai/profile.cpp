// The computer stores' slot profiles and feature offers.
#include "ai/profile.h"

#include "features/catalogue.h"

namespace zelvo {

namespace {

using namespace tag;

// Slots 2, 3, 4 and 5, in that order.
constexpr SlotProfile kProfiles[] = {
    {5, 6, 4, 0.5, 2, 20, 6, 6, 20, 5, 10, -100, 2},
    {3, 5, 3, 0.45, 1, 5, 5, 5, 22, 2, 12, -2000, 2.25},
    {2, 5, 2, 0.43, 3, 20, 6, 4, 14, 0, 14, -1000, 1.75},
    {4, 6, 1, 0.52, 3, 15, 4, 6, 24, 3, 10, -500, 2},
};

constexpr FeatureOffer kBenefits[] = {
    {BreakRoom, 1000, 25},
    {EmployeeBonus, 0, 200},
    {EmployeeLounge, 6000, 65},
};

constexpr FeatureOffer kCustomerFeatures[] = {
    {ExtraCarts, 1000, 0},    {BottleReturn, 850, 50},
    {Decorations, 10000, 0},  {CustomerService, 600, 500},
    {MailAds, 0, 600},        {BoardAds, 0, 600},
    {Pharmacy, 1200, 1000},   {ParkingLotLights, 2000, 150},
    {LotSecurity, 1000, 200}, {RadioAds, 0, 2200},
    {TvAds, 5000, 3500},      {RewardsProgram, 300, 0},
};

}  // namespace

const SlotProfile& slotprofile(int s) {
    return kProfiles[s - 2];
}

std::span<const FeatureOffer> benefitoffers() {
    return kBenefits;
}

std::span<const FeatureOffer> customeroffers() {
    return kCustomerFeatures;
}

}  // namespace zelvo
