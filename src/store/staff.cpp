// Staff targets, wages and the wage survey, as every store's managers reckon them.
#include "store/staff.h"

#include <algorithm>

#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

void changewantedstaff(Store& store, int step) {
    store.wantedemployees = std::clamp(store.wantedemployees + step, kFewestWanted, kMostWanted);
}

void changewage(Store& store, double step) {
    double wage = roundcents(store.wage + step);
    if (wage > kWageLimit) wage = kWageLimit;
    if (wage < kLowestWage) wage = kLowestWage;
    if (wage < store.unionwage) wage = store.unionwage;
    store.wage = wage;
}

double weeklywages(const Store& store) {
    return store.wage * store.employees * kWeekHours;
}

bool unionized(const Store& store) {
    return store.unionwage > 0;
}

WageSurvey surveywages(const Zelvo& z, int p) {
    WageSurvey survey{0, 0, 0};
    const double own = z.s.store[p].wage;
    for (int s = 1; s <= z.s.game.playercount; ++s) {
        const double wage = z.s.store[s].wage;
        if (survey.bestslot == 0 || wage > survey.bestwage) survey = {s, wage, survey.higher};
        if (s != p && wage > own) ++survey.higher;
    }
    return survey;
}

}  // namespace zelvo
