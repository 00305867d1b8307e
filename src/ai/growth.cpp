// A computer store's finances and growth: wage, staff target, loans and extra features.
#include <algorithm>
#include <span>
#include <string>

#include "ai/profile.h"
#include "ai/steps.h"
#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "finance/banks.h"
#include "store/staff.h"

namespace zelvo {

namespace {

constexpr double kWageStep = 0.25;
constexpr int kFewestStaff = 6;
constexpr int kStaffStep = 5;
constexpr int kBankAttempts = 10;
constexpr double kExtraPaymentCash = 8000;
constexpr int kExtraPaymentChance = 25;
constexpr double kExtraPayment = 100;
constexpr int kBusyTownOdds = 200, kQuietTownOdds = 300, kOddsPerRivalFeature = 15;

int draw(Zelvo& z, int n) {
    return static_cast<int>(Int(z.rng.draw() * n)) + 1;
}

// The workers of the whole town: every slot, active or not, the player's included.
int townworkers(const Zelvo& z) {
    int total = 0;
    for (int p = 1; p <= z.s.game.playercount; ++p) total += z.s.store[p].employees;
    return total;
}

bool owing(const Loan& loan, int s) {
    return loan.borrower == s && loan.principal + loan.interest > 0;
}

std::span<const FeatureOffer> group(bool customers) {
    return customers ? customeroffers() : benefitoffers();
}

// One of the two feature steps. Only the customer features cost less on a harder game.
void buyfromgroup(Zelvo& z, int s, bool customers) {
    if (draw(z, featureodds(z, s, customers)) != 1) return;
    const std::span<const FeatureOffer> offers = group(customers);
    const bool reduced = customers;
    Store& store = z.s.store[s];
    const auto choice = std::find_if(offers.begin(), offers.end(), [&](const FeatureOffer& o) {
        return !hasfeature(store, o.tag);
    });
    if (choice == offers.end()) return;
    double price = choice->price, monthly = choice->monthly;
    if (reduced && z.s.game.difficulty >= 2) {
        const double share = z.s.game.difficulty == 2 ? 0.75 : 0.25;
        price = Int(price * share);
        monthly = Int(monthly * share);
    }
    if (store.money >= price * slotprofile(s).featuremultiple)
        buyfeature(z, s, choice->tag, price, monthly);
    logsecondstore(z, s,
                   std::string("Purchased store extra ") + choice->tag + " for $" + numtext(price) +
                       " ($" + numtext(monthly) + " monthly).");
}

}  // namespace

int featureodds(const Zelvo& z, int s, bool customers) {
    int odds = townworkers(z) >= kLabourPool ? kBusyTownOdds : kQuietTownOdds;
    for (int p = 1; p <= z.s.game.playercount; ++p) {
        if (p == s || z.s.store[p].active != 1) continue;
        for (const FeatureOffer& offer : group(customers))
            if (hasfeature(z.s.store[p], offer.tag)) odds -= kOddsPerRivalFeature;
    }
    return std::max(odds, 1);
}

void adjustwage(Zelvo& z, int s) {
    const SlotProfile& profile = slotprofile(s);
    Store& store = z.s.store[s];
    if (store.wantedemployees == store.employees) {
        if (draw(z, 100) <= profile.wagecut) changewage(store, -kWageStep);
    }
    if (townworkers(z) >= kLabourPool && store.employees < store.wantedemployees) {
        if (draw(z, 100) <= profile.wageraise) changewage(store, kWageStep);
    }
}

void setstafftarget(Zelvo& z, int s) {
    const SlotProfile& profile = slotprofile(s);
    Store& store = z.s.store[s];
    const Calendar& when = z.s.calendar;
    const int elapsed = (when.day - 1) + 30 * (when.month - 1) + 360 * (when.year - 1);
    const int e = std::min(elapsed, kCrowdDays);
    int crowded = 0;
    for (int i = 1; i <= e; ++i) crowded += store.crowdhistory[i] == 1;
    if (e < kCrowdDays) {
        store.wantedemployees = profile.earlystaff;
        return;
    }
    if (crowded <= profile.fewerat) store.wantedemployees = store.employees - draw(z, kStaffStep);
    if (crowded >= profile.moreat) store.wantedemployees = store.employees + draw(z, kStaffStep);
    store.wantedemployees = std::clamp(store.wantedemployees, kFewestStaff, kMostWanted);
    if (store.employees > store.wantedemployees) store.employees = store.wantedemployees;
}

double netposition(const Zelvo& z, int s) {
    const Store& store = z.s.store[s];
    double p = store.money - store.monthlybills * (store.billsmonthslate + 1) - store.wage * 2;
    for (int x = 1; x <= store.aislecount; ++x) {
        const Aisle& aisle = z.s.aisle[s][x];
        if (aisle.item > 0 && aisle.stock > 0 && aisle.price > aisle.cost)
            p += aisle.stock * (aisle.price - aisle.cost);
    }
    for (int i = 1; i <= z.s.game.loancount; ++i) {
        const Loan& loan = z.s.loan[i];
        if (owing(loan, s)) p -= loan.payment * (loan.monthslate + 1);
    }
    return p;
}

void borrow(Zelvo& z, int s) {
    const double p = netposition(z, s);
    if (p > slotprofile(s).borrowline) return;
    logsecondstore(z, s,
                   "Looking to get a loan because my value is $" + numtext(p) + ".  Money=$" +
                       numtext(z.s.store[s].money));
    // A bank that lends, or one the store already owes, stays chosen; a refusal draws again.
    int bank = 0;
    Offer offer{LoanOutcome::Refused, 0};
    for (int attempt = 0; attempt < kBankAttempts; ++attempt) {
        if (bank == 0) bank = draw(z, static_cast<int>(banks().size()));
        offer = loanoffer(z, s, bank);
        if (offer.outcome == LoanOutcome::Refused) bank = 0;
    }
    // A full loan list refuses the loan as a bank would.
    if (offer.outcome == LoanOutcome::Done) offer.outcome = takeloan(z, s, bank);
    switch (offer.outcome) {
    case LoanOutcome::Done:
        logsecondstore(z, s, "Got a loan for $" + numtext(banks()[bank - 1].amount));
        break;
    case LoanOutcome::AlreadyOwed:
        logsecondstore(z, s, "Already had it");
        break;
    default:
        logsecondstore(z, s, "Credit denied");
        break;
    }
}

void payextraonloan(Zelvo& z, int s) {
    const int k = draw(z, 100);
    if (z.s.store[s].money < kExtraPaymentCash || k > kExtraPaymentChance) return;
    int chosen = 0;
    double smallest = 999999;
    for (int i = 1; i <= z.s.game.loancount; ++i) {
        const Loan& loan = z.s.loan[i];
        if (owing(loan, s) && loan.principal + loan.interest < smallest) {
            chosen = i;
            smallest = loan.principal + loan.interest;
        }
    }
    if (chosen == 0) return;
    double paid = 0;
    payextra(z, chosen, kExtraPayment, paid);
    logsecondstore(z, s, "Paid an extra $100 toward a loan");
    if (paid < kExtraPayment) logsecondstore(z, s, "Paid off a loan!");
}

void buybenefit(Zelvo& z, int s) {
    buyfromgroup(z, s, false);
}

void buycustomerfeature(Zelvo& z, int s) {
    buyfromgroup(z, s, true);
}

}  // namespace zelvo
