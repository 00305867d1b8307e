// The extra store features: the catalogue, the tests of ownership and the purchase.
#include "features/catalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/zelvo.h"

namespace zelvo {

namespace {

using namespace tag;

constexpr Feature kCatalogue[] = {
    // tag, price, monthly, customers, theft, union, charged, free research
    {ExtraCarts, 1000, 0, 3, 0, 0, 1, false},
    {BottleReturn, 850, 50, 3, 0, 0, 1, false},
    {Decorations, 10000, 0, 4, 0, 0, 1, false},
    {CustomerService, 600, 500, 5, 0, 0, 1, false},
    {Pharmacy, 1200, 1000, 6, 0, 0, 1, false},
    {RewardsProgram, 300, 0, 6, 0, 0, 1, false},
    {MailAds, 0, 800, 3, 0, 0, 1, false},
    {BoardAds, 0, 800, 3, 0, 0, 1, false},
    {RadioAds, 0, 2200, 5, 0, 0, 1, false},
    {TvAds, 4000, 3500, 6, 0, 0, 1, false},
    {ParkingLotLights, 2000, 150, 3, 20, 0, 1, false},
    {SensorStrip, 3000, 0, 0, 25, 0, 1, false},
    {Security, 50, 600, 0, 30, 0, 1, false},
    {LotSecurity, 1000, 200, 3, 25, 0, 1, false},
    {BreakRoom, 1000, 25, 0, 0, 25, 1, false},
    {EmployeeLounge, 6000, 65, 0, 0, 25, 1, false},
    {EmployeeBonus, 0, 200, 0, 0, 25, 1, false},
    {ResearchTeam, 0, 2000, 0, 0, 0, 1, true},
    {Insurance1, 0, 1000, 0, 0, 0, 0.75, false},
    {Insurance2, 0, 1000, 0, 0, 0, 0.4, false},
    {Insurance3, 0, 1000, 0, 0, 0, 0, false},
};

static_assert(std::size(kCatalogue) <= 32, "a feature is a bit of a 32-bit word");

const Feature& entry(const char* tag) {
    return *findfeature(tag);
}

bool holds(const std::string& text, const char* tag) {
    return std::string_view(text).find(tag) != std::string_view::npos;
}

// The catalogue's features a features text holds, a bit each in catalogue order. The day
// asks the same few texts about their features hundreds of times, and a text changes a few
// times a game: the last texts met are kept with their answers.
std::uint32_t heldfeatures(const std::string& text) {
    struct Known {
        std::string text;
        std::uint32_t held = 0;
    };
    thread_local std::array<Known, 8> known;  // at first empty texts, which hold nothing
    thread_local std::size_t oldest = 0;
    for (const Known& k : known)
        if (k.text == text) return k.held;
    Known& fresh = known[oldest];
    oldest = (oldest + 1) % known.size();
    fresh.text = text;
    fresh.held = 0;
    for (std::size_t i = 0; i < std::size(kCatalogue); ++i)
        if (holds(text, kCatalogue[i].tag)) fresh.held |= std::uint32_t{1} << i;
    return fresh.held;
}

}  // namespace

std::span<const Feature> featurecatalogue() {
    return kCatalogue;
}

const Feature* findfeature(const std::string& tag) {
    for (const Feature& feature : kCatalogue)
        if (tag == feature.tag) return &feature;
    return nullptr;
}

std::span<const Feature* const> drawingfeatures() {
    static const Feature* const order[] = {
        &entry(ExtraCarts),     &entry(BottleReturn),     &entry(Decorations),
        &entry(MailAds),        &entry(BoardAds),         &entry(RadioAds),
        &entry(TvAds),          &entry(CustomerService),  &entry(Pharmacy),
        &entry(RewardsProgram), &entry(ParkingLotLights), &entry(LotSecurity),
    };
    return order;
}

std::span<const char* const> startingfeatures() {
    static constexpr const char* kStarting[] = {
        BottleReturn,     CustomerService, Pharmacy,    BreakRoom,   EmployeeLounge,
        ParkingLotLights, ExtraCarts,      Decorations, LotSecurity, MailAds,
        RadioAds,         BoardAds,        TvAds,
    };
    return kStarting;
}

bool hasfeature(const Store& store, const char* tag) {
    for (std::size_t i = 0; i < std::size(kCatalogue); ++i)
        if (kCatalogue[i].tag == tag) return (heldfeatures(store.features) >> i & 1) != 0;
    return holds(store.features, tag);  // a tag spelled out elsewhere
}

int featurecount(const Store& store) {
    return static_cast<int>(std::count(store.features.begin(), store.features.end(), ']'));
}

FeatureOutcome buyfeature(Zelvo& z, int p, const char* tag) {
    const Feature* feature = findfeature(tag);
    if (!feature) return FeatureOutcome::AlreadyOwned;
    return buyfeature(z, p, tag, feature->price, feature->monthly);
}

FeatureOutcome buyfeature(Zelvo& z, int p, const char* tag, double price, double monthly) {
    Store& store = z.s.store[p];
    if (!findfeature(tag) || hasfeature(store, tag)) return FeatureOutcome::AlreadyOwned;
    if (store.money < price) return FeatureOutcome::CannotAfford;
    store.money -= price;
    store.extrasspent += price;
    store.monthlybills += monthly;
    store.features += tag;
    // At most one insurance level at a time: a higher one replaces those below it.
    auto erase = [&](const std::string& old) {
        for (auto at = store.features.find(old); at != std::string::npos;
             at = store.features.find(old))
            store.features.erase(at, old.size());
    };
    const std::string bought = tag;
    if (bought == Insurance2 || bought == Insurance3) {
        erase(Insurance1);
        if (bought != Insurance2) erase(Insurance2);
    }
    return FeatureOutcome::Done;
}

}  // namespace zelvo
