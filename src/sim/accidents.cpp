// Accidents in the player's store: employees in 10,000 for a hurt employee, customers for a
// hurt customer, and a medical bill that insurance may cover.
#include "sim/accidents.h"

#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/money.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

struct Accident {
    const char* text;
    int range;  // the bill is Int(r x range) + base
    int base;
};

constexpr Accident kEmployeeAccidents[] = {
    {"One of your employees took a nasty fall while at work.  She will be in the hospital until "
     "her knee heals.  Your store has been sent a bill for her medical expenses.",
     3000, 1000},
    {"One of your employees was struck by heavy merchandise falling from the top of a shelf.  An "
     "ambulance took the man to the hospital, where he is expected to spend the next few days.  "
     "Your store has been sent a bill for his medical expenses.",
     3500, 1500},
    {"One of your employees had both legs run over by a truck that was backing up to your "
     "loading dock.  The man has received multiple surgeries and is not expected to walk again "
     "for several months.  Your store has been sent a bill for his medical expenses.",
     30000, 10000},
    {"One of your employees lost 2 fingers when a moving shelf clamped around his hand.  Doctors "
     "were able to reattach the fingers, but the employee will not be returning to work.  Your "
     "store has been sent a bill for his medical expenses.",
     6000, 6000},
    {"One of your employees lost an appendage after being run into by one of your hilos.  Your "
     "store has been sent a bill for her medical expenses.",
     6000, 10000},
};

constexpr Accident kCustomerAccidents[] = {
    {"A customer slipped and fell in one of your aisles.  He claims he wrenched his neck in the "
     "process.  Your store has been sent a bill for his medical expenses.",
     1500, 1000},
    {"A customer slipped and fell in one of your aisles.  She claims to now suffer from chronic "
     "back pain.  Your store has been sent a bill for her medical expenses.",
     1500, 1000},
    {"A customer tripped and fell in your parking lot.  The doctors have determined that he now "
     "has minor spinal damage.  Your store has been sent a bill for his medical expenses.",
     3000, 7000},
    {"A customer tripped and fell in your parking lot.  The hospital had to perform surgery to "
     "repair a fractured knee cap.  Your store has been sent a bill for her medical expenses.",
     3000, 10000},
    {"An elderly customer fell in your store and broke her hip.  The hip itself had to be "
     "replaced.  Your store has been sent a bill for her medical expenses.",
     5000, 10000},
};

// The kind draw, then the bill draw.
const Accident& drawaccident(Zelvo& z, const Accident (&kinds)[5], double& bill) {
    const Accident& accident = kinds[static_cast<int>(Int(z.rng.draw() * 5))];
    bill = Int(z.rng.draw() * accident.range) + accident.base;
    return accident;
}

}  // namespace

InsuredBill insure(const std::string& features, double bill) {
    const double full = bill;
    std::string text;
    auto has = [&](const char* tag) { return features.find(tag) != std::string::npos; };
    if (has(tag::Insurance1)) {
        bill = Fix(bill * findfeature(tag::Insurance1)->charged);
        text += "  Your Basic insurance covered 25% of the cost, so you have been charged " +
                showmoney(bill) + ".";
    }
    if (has(tag::Insurance2)) {
        bill = Fix(bill * findfeature(tag::Insurance2)->charged);
        text += "  Your Standard insurance covered 60% of the cost, so you have been charged " +
                showmoney(bill) + ".";
    }
    if (has(tag::Insurance3)) {
        bill = 0;
        text +=
            "  Your Full coverage insurance covered the entire cost.  You would have been "
            "charged " +
            showmoney(full) + ".";
    }
    if (bill == full) text += "  You have been charged " + showmoney(bill) + ".";
    return {bill, text};
}

void accidentroll(Zelvo& z) {
    GameState& s = z.s;
    Store& store = s.store[s.game.humanslot];
    std::string text;
    double bill = 0;
    const double n = Int(z.rng.draw() * 10000) + 1;
    if (n <= store.employees) {
        text = drawaccident(z, kEmployeeAccidents, bill).text;
        store.employees -= 1;
    }
    if (n > store.employees && n <= store.customers + store.employees)
        text = drawaccident(z, kCustomerAccidents, bill).text;
    if (text.empty()) return;

    if (s.game.debugmode != 1) pausegame(z);
    makesound(z, sounds::Pause, 0, 0, 0, -1);
    hold(z, 0.2);
    InsuredBill insured = insure(store.features, bill);
    text += insured.text;
    store.money -= insured.charged;
    store.medicalspent += insured.charged;
    sayit(z, text);
}

}  // namespace zelvo
