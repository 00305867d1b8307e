// The extra store features: each tag with its prices and what it changes in the day.
#pragma once

#include <span>
#include <string>

namespace zelvo {

struct Store;
struct Zelvo;

// The tags, as a store's features text holds them.
namespace tag {
inline constexpr const char* ExtraCarts = "[extracarts]";
inline constexpr const char* BottleReturn = "[bottlereturn]";
inline constexpr const char* Decorations = "[decorations]";
inline constexpr const char* CustomerService = "[customerservice]";
inline constexpr const char* Pharmacy = "[pharmacy]";
inline constexpr const char* RewardsProgram = "[rewardsprogram]";
inline constexpr const char* MailAds = "[mailads]";
inline constexpr const char* BoardAds = "[boardads]";
inline constexpr const char* RadioAds = "[radioads]";
inline constexpr const char* TvAds = "[tvads]";
inline constexpr const char* ParkingLotLights = "[parkinglotlights]";
inline constexpr const char* SensorStrip = "[sensorstrip]";
inline constexpr const char* Security = "[security]";
inline constexpr const char* LotSecurity = "[lotsecurity]";
inline constexpr const char* BreakRoom = "[breakroom]";
inline constexpr const char* EmployeeLounge = "[employeelounge]";
inline constexpr const char* EmployeeBonus = "[employeebonus]";
inline constexpr const char* ResearchTeam = "[researchteam]";
inline constexpr const char* Insurance1 = "[insurance1]";
inline constexpr const char* Insurance2 = "[insurance2]";
inline constexpr const char* Insurance3 = "[insurance3]";
}  // namespace tag

struct Feature {
    const char* tag;
    double price;       // paid once, in cash
    double monthly;     // added to the monthly bills for good
    int customers;      // drawn each day from every other active store
    int theftodds;      // added to the store's shoplifting odds number
    int unionodds;      // added to each of the two union odds numbers
    double charged;     // share of an accident's bill the store still pays (1: no insurance)
    bool freeresearch;  // market research on items costs nothing
};

// The catalogue in the order of the Add-on menu; the three insurance levels stand last.
std::span<const Feature> featurecatalogue();
// A feature of the catalogue by its tag, or null.
const Feature* findfeature(const std::string& tag);
// The features that draw customers, in the order the day lets them draw.
std::span<const Feature* const> drawingfeatures();
// The 13 features a computer store may be given at a new game, in draw order (k = 1..13).
std::span<const char* const> startingfeatures();

// A store owns a feature when its tag occurs in its features text.
bool hasfeature(const Store& store, const char* tag);
// The number of features a store has: one per "]" in its text.
int featurecount(const Store& store);

// What buying a feature came to.
enum class FeatureOutcome { Done, AlreadyOwned, CannotAfford };
// Buys `tag` for store p: the price from its cash, the monthly amount onto its bills, the tag
// appended; an insurance level replaces the level below it.
FeatureOutcome buyfeature(Zelvo& z, int p, const char* tag);
// The same at a price and monthly amount of the buyer's own (the computer stores' offers).
FeatureOutcome buyfeature(Zelvo& z, int p, const char* tag, double price, double monthly);

}  // namespace zelvo
