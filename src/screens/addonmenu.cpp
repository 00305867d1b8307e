// The Add-on menu: the extra store features the player can buy, and their texts.
#include "core/keys.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "screens/screens.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

// How an offer names its amounts between its first words and its description.
enum Amounts { Price, PriceMonthly, Monthly, Bills };

struct Offer {
    const char* lead;
    Amounts amounts;
    const char* description;
    const char* owned;
    const char* bought;
};

// Positions 1 to 18, in the order of the catalogue.
constexpr Offer kOffers[] = {
    {"Extra shopping carts.  Press Enter to buy these for ", Price,
     "  Customers hate searching for an available cart out in the parking lot.  Buying extras "
     "means you will always have plenty of carts waiting for them at the entrance.  It is an extra "
     "incentive that helps customers keep coming back to your store rather than taking their "
     "business elsewhere.",
     "Your store has extra shopping carts.",
     "You have purchased extra shopping carts for your store."},
    {"Bottle return.  Press Enter to buy these machines for ", PriceMonthly,
     "  A bottle return machine allows your customers to come and cash in empty soda cans and beer "
     "bottles.  It is an extra incentive that helps customers keep coming back to your store "
     "rather than taking their business elsewhere.",
     "Your store has a row of bottle return machines.",
     "You have added a bottle return section to your store."},
    {"Fancy store decorations.  Press Enter to buy these for ", Price,
     "  Customers will know they've entered a high class establishment as they walk on beautiful "
     "tiled floors.  Marble trim and artsy displays help keep customers keep coming back to your "
     "store rather than taking their business elsewhere.",
     "Your store has fancy store decorations.",
     "Your store has been redecorated to look more fancy."},
    {"Customer service counter.  Press Enter to add this department for ", PriceMonthly,
     "  Your customers sometimes have questions, and sometimes need to argue and complain about "
     "something.  Having a dedicated customer service counter gives them a place to do just that.  "
     "This is an extra incentive that helps customers keep coming back to your store rather than "
     "taking their business elsewhere.",
     "Your store has a customer service department, and a fancy counter where they can stand and "
     "wish for sweet sweet death.",
     "A customer service counter has been installed."},
    {"In-store pharmacy.  Press Enter to add this department for ", PriceMonthly,
     "  A pharmacist on duty gives people one more reason to do all of their shopping in one "
     "place.  "
     "Every day a pharmacy draws up to 6 customers away from each of the other stores, which makes "
     "it "
     "one of the strongest ways to bring in business.",
     "Your store has a pharmacy, with a few pharmacists busy counting pills and filling "
     "perscriptions.",
     "A pharmacy has been built into your store."},
    {"Store rewards program.  Press Enter to start this for ", Price,
     "  Customers get to carry around a little card on their keys, instantly giving them 5% off "
     "anything they buy in your store!  This could hurt your bottom line, but it is a great "
     "incentive that helps keep customers coming back to your store, rather than taking their "
     "business elsewhere.",
     "Your store has a rewards program.", "You have started a store rewards program."},
    {"Advertisements sent through mail.  Press Enter to start this for ", Monthly,
     "  Many people will probably throw it away with the rest of their junk mail, but reminding "
     "people of your store's deals is an incentive that helps keep customers coming back to your "
     "store, rather than taking their business elsewhere.",
     "Your store mails advertisements to the homes in the area.",
     "Your store has begun placing advertisements in the mail."},
    {"Advertise on large billboards around town.  Press Enter to start this for ", Monthly,
     "  Not everyone will notice these signs as they drive past, but reminding people of your "
     "store is an incentive that helps keep customers coming back to your store, rather than "
     "taking their business elsewhere.",
     "Your store is advertised on billboards around town.",
     "Advertisements for your store have been posted on billboards around town."},
    {"Advertisements broadcast on local radio stations.  Press Enter to start this for ", Monthly,
     "  You will likely reach most customers while they listen to the radio in the car.  Regularly "
     "hearing about your store helps keep customers coming back to your store, rather than taking "
     "their business elsewhere.",
     "Advertisements for your store are played on local radio stations.",
     "Local radio stations play a catchy slogan to remind people of your store."},
    {"Run television advertisements for your store.  Press Enter to start this for ", PriceMonthly,
     "  Advertising on TV is one of the best ways to keep your store fresh on the minds of your "
     "customers.  This is an incentive that helps keep customers coming back to your store, rather "
     "than taking their business elsewhere.",
     "Commercials on television advertise for your store.",
     "Television commercials regularly remind people of the deals you currently have at your "
     "store."},
    {"Lights in the parking lot.  Press Enter to buy these for ", PriceMonthly,
     "  When it gets dark out, lights in the parking lot make your customers feel safe.  It is an "
     "extra incentive that helps customers keep coming back, and also a way to help prevent "
     "robberies.",
     "Your store has lights in the parking lot.", "You have built lights in the parking lot."},
    {"Security sensors.  Press Enter to install these for ", Price,
     "  These strips will beep if someone tries to take items through that they have not paid for. "
     " These strips will help prevent shop lifters from stealing your merchandise.",
     "Your store has security sensors at the exits.",
     "You have installed a security sensor at the exits."},
    {"Store security guards.  Press Enter to hire these for ", PriceMonthly,
     "  There are always people who feel they can take whatever they want.  Security guards will "
     "help prevent shop lifters from stealing your merchandise.  Security guards also help prevent "
     "robberies.",
     "Your store has security guards.", "You have hired store security guards."},
    {"Parking lot security.  Press Enter to buy this for ", PriceMonthly,
     "  Mounted cameras and a security guard patroling the parking lot help your customers feel "
     "safe.  It is an extra incentive that helps customers keep coming back, and also a way to "
     "help prevent robberies.",
     "Your store has parking lot security.",
     "You have installed cameras and hired parking lot security."},
    {"Employee break room.  Press Enter to build this for ", PriceMonthly,
     "  While your employees are on their break, they will have a vending machine and a few tables "
     "to sit at.  It isn't fancy, but it helps make them happier.  Happy employees are less likley "
     "to unionize, and if already in a union, happy employees are less likely to demand pay "
     "raises!",
     "Your store has an employee break room.", "You have built an employee break room."},
    {"Employee lounge.  Press Enter to build this for ", PriceMonthly,
     "  Before or after their shift and during breaks, your workers can watch TV from comfortable "
     "sofas.  Vending machines and a coffee maker are appreciated as well.  The lounge makes your "
     "employees feel happier and appreciated.  Happy employees are less likley to unionize, and if "
     "already in a union, happy employees are less likely to demand pay raises!",
     "Your store has an employee lounge.", "You have built an employee lounge."},
    {"Employee bonus program.  Press Enter to add this, which adds ", Bills,
     "  Each month your management team hands out bonus money to the employees who did the best "
     "job.  These types of rewards make your employees feel happier and appreciated.  Happy "
     "employees are less likley to unionize, and if already in a union, happy employees are less "
     "likely to demand pay raises!",
     "Your store has an employee bonus program.", "You have started an employee bonus program."},
    {"Dedicated research team.  Press Enter to hire this team for ", Monthly,
     "  With your own research team, performing research on store merchandise will no longer cost "
     "you anything.  If you are already spending more than this on market research each month, "
     "then hiring your own team might be the smart move.",
     "Your store has a dedicated research team.",
     "You have hired your own research team, which is dedicated to your store and no one else."},
};

constexpr int kOffered = static_cast<int>(sizeof kOffers / sizeof kOffers[0]);
constexpr int kInsurance = kOffered + 1;

// The insurance level the store can buy next, or null at Full coverage.
const char* nextinsurance(const Store& store) {
    if (hasfeature(store, tag::Insurance3)) return nullptr;
    if (hasfeature(store, tag::Insurance2)) return tag::Insurance3;
    if (hasfeature(store, tag::Insurance1)) return tag::Insurance2;
    return tag::Insurance1;
}

// The tag at position p for this store: its feature, or the insurance level it would buy.
const char* tagat(const Store& store, int p) {
    return p == kInsurance ? nextinsurance(store) : featurecatalogue()[p - 1].tag;
}

std::string offertext(const Offer& offer, const Feature& feature) {
    std::string amounts;
    if (offer.amounts == Price)
        amounts = showmoney(feature.price) + ".";
    else if (offer.amounts == PriceMonthly)
        amounts = showmoney(feature.price) + "(" + showmoney(feature.monthly) + "added to bills).";
    else if (offer.amounts == Monthly)
        amounts = showmoney(feature.monthly) + " per month added onto your bills.";
    else
        amounts = showmoney(feature.monthly) + " to your bills.";
    return offer.lead + amounts + offer.description;
}

std::string insurancetext(const Store& store) {
    const char* next = nextinsurance(store);
    if (!next) return "Your store has Full coverage insurance.";
    const std::string monthly = showmoney(findfeature(next)->monthly);
    if (std::string(next) == tag::Insurance1)
        return "Basic store insurance.  Press Enter to buy this for " + monthly +
               " per month added onto your bills.  Basic insurance is meant to help protect you "
               "from damages and lawsuits by paying 25% of the cost.  For small businesses it "
               "might not be worth the cost to sign up with an insurance policy, but for each "
               "worker you have employeed, and each customer who enters your store, there is a "
               "small chance they will get injured on your property.";
    if (std::string(next) == tag::Insurance2)
        return "Your store has Basic insurance.  Press Enter to upgrade this policy to Standard "
               "insurance for an extra " +
               monthly +
               " per month added onto your bills.  Standard insurance will pay 60% of any "
               "damages or lawsuits filed against you.  Your policy currently only pays 25%.";
    return "Your store has Standard insurance.  Press Enter to upgrade this policy to Full "
           "coverage insurance for an extra " +
           monthly +
           " per month added onto your bills.  Full coverage insurance will pay 100% of any "
           "damages or lawsuits filed against you.  Your policy currently only pays 60%.";
}

std::string boughttext(const char* bought) {
    if (std::string(bought) == tag::Insurance1)
        return "You have purchased Basic insurance for your store.";
    if (std::string(bought) == tag::Insurance2)
        return "You have upgraded your store insurance to Standard.";
    return "You have upgraded your store insurance to Full coverage.";
}

void describe(Zelvo& z, int p) {
    const Store& human = z.s.human();
    if (p == kInsurance) {
        sayit(z, insurancetext(human));
        return;
    }
    const Offer& offer = kOffers[p - 1];
    const Feature& feature = featurecatalogue()[p - 1];
    sayit(z, hasfeature(human, feature.tag) ? std::string(offer.owned) : offertext(offer, feature));
}

void purchase(Zelvo& z, int p, int Shift) {
    Store& human = z.s.human();
    const char* wanted = tagat(human, p);
    if (!wanted || hasfeature(human, wanted)) return;
    const Feature& feature = *findfeature(wanted);
    if (human.money < feature.price) {
        cannotafford(z);
        return;
    }
    if (Shift == 0) {
        const std::string tail = " on this extra store feature.";
        if (feature.monthly == 0)
            sayit(z, "Hold Shift and press Enter to confirm spending " + showmoney(feature.price) +
                         tail);
        else if (feature.price != 0)
            sayit(z, "Hold Shift and press Enter to confirm spending " + showmoney(feature.price) +
                         " now, and " + showmoney(feature.monthly) + " per month" + tail);
        else
            sayit(z, "Hold Shift and press Enter to confirm spending " +
                         showmoney(feature.monthly) + " per month" + tail);
        return;
    }
    if (buyfeature(z, z.s.game.humanslot, wanted) != FeatureOutcome::Done) return;
    sayit(z, p == kInsurance ? boughttext(wanted) : std::string(kOffers[p - 1].bought));
}

}  // namespace

int addonmenuitems(const Zelvo&) {
    return kInsurance + 1;
}

void addonmenu(Zelvo& z, int KeyCode, int Shift) {
    if (KeyCode == key::Escape) {
        returntostore(z, storepos::Features);
        return;
    }
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (position == addonmenuitems(z)) {
        previousmenu(z, KeyCode, storepos::Features);
    } else if (KeyCode == key::Enter) {
        purchase(z, position, Shift);
    } else {
        describe(z, position);
    }
}

}  // namespace zelvo
