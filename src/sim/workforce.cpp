// The neighbourhood's 100 workers. Owners only say how many they want and what they pay;
// the days do the rest: layoffs at once, hiring slowly, and luring once the pool is empty.
#include "sim/workforce.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <string>

#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "finance/banks.h"
#include "sim/playersounds.h"
#include "speech/money.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

constexpr int kWorkers = 100;

int stafffeatures(const Store& store) {
    int count = 0;
    for (const Feature& feature : featurecatalogue())
        if (feature.unionodds != 0 && hasfeature(store, feature.tag)) ++count;
    return count;
}

// Int(times x r) as a count; a range no game reaches is held to what an int can count.
// The hiring passes draw this millions of times a game: a product that is neither negative
// nor too large is floored by the plain conversion, which is what Int gives it.
int drawint(Zelvo& z, double times) {
    const double product = times * z.rng.draw();
    if (product >= 0 && product < INT_MAX) return static_cast<int>(product);
    const double value = Int(product);
    return value >= INT_MAX ? INT_MAX : value <= INT_MIN ? INT_MIN : static_cast<int>(value);
}

}  // namespace

int hiringchances(double wage) {
    if (!(wage > 0)) return 0;
    const double chances = Fix(10 * std::pow(std::min(wage, kWageLimit), 1.1));
    return static_cast<int>(chances);
}

void moveworkers(Zelvo& z) {
    GameState& s = z.s;
    const int players = s.game.playercount;
    for (int p = 1; p <= players; ++p)
        if (s.store[p].wantedemployees < s.store[p].employees)
            s.store[p].employees = s.store[p].wantedemployees;

    int free = kWorkers;
    for (int p = 1; p <= players; ++p) {
        Store& store = s.store[p];
        store.money = roundcents(store.money);
        if (store.active != 1) store.employees = store.wantedemployees = 0, store.wage = 0;
        free -= store.employees;
    }
    if (free < 0) free = 0;

    std::array<int, kStoreSlots> chances{};
    int passes = 0;
    for (int p = players; p >= 1; --p) {
        chances[static_cast<std::size_t>(p)] = hiringchances(s.store[p].wage);
        passes = std::max(passes, chances[static_cast<std::size_t>(p)]);
    }
    // The wages hold still while workers move: how hard each store lures from each rival is
    // worked out once.
    std::array<std::array<double, kStoreSlots>, kStoreSlots> luring{};
    for (int p = 1; p <= players; ++p)
        for (int q = 1; q <= players; ++q)
            luring[static_cast<std::size_t>(p)][static_cast<std::size_t>(q)] =
                100 * (s.store[q].wage / s.store[p].wage);

    // A pass in which no store may hire changes nothing, and every later pass finds the same
    // stores full and fewer with chances left: the passes end there. The work then follows
    // the draws, however high the wages drive the number of passes.
    bool hiring = true;
    for (int x = 1; x <= passes && hiring; ++x) {
        hiring = false;
        for (int p = 1; p <= players; ++p) {
            Store& store = s.store[p];
            if (x > chances[static_cast<std::size_t>(p)]) continue;
            if (store.employees >= store.wantedemployees) continue;
            hiring = true;
            if (free > 0) {
                if (drawint(z, 100) + 1 == 1) {
                    free -= 1;
                    store.employees += 1;
                }
                continue;
            }
            int q = 0;
            do q = drawint(z, players) + 1;
            while (q == p);
            Store& rival = s.store[q];
            if (rival.employees < 1) continue;
            // A store paying more than its rival lures more often: Int(times x r) + 1 = 1.
            const double lure = luring[static_cast<std::size_t>(p)][static_cast<std::size_t>(q)];
            const double product = lure * z.rng.draw();
            if (product >= 0 && product < 1) {
                rival.employees -= 1;
                store.employees += 1;
            }
        }
    }
}

void payroll(Zelvo& z) {
    GameState& s = z.s;
    for (int p = 1; p <= s.game.playercount; ++p) {
        Store& store = s.store[p];
        const double pay = 40 * store.employees * store.wage;
        store.money -= pay;
        store.wagespaid += pay;
        logsecondstore(z, p, "Paying the workers $" + numtext(pay));
        if (store.money < 0) {
            creditpenalty(store, 10);
            if (p == s.game.humanslot) alarmsound(z);
        }
    }
}

void unions(Zelvo& z) {
    GameState& s = z.s;
    for (int p = 1; p <= s.game.playercount; ++p) {
        Store& store = s.store[p];
        if (store.active != 1) continue;
        const bool human = p == s.game.humanslot;
        if (store.employees >= 20 && store.unionwage > 0) {
            const double x =
                100 - store.employees + Fix(2 * store.wage) + 25 * stafffeatures(store);
            if (drawint(z, x) + 1 <= 10) {
                store.unionwage += 0.5;
                if (human)
                    popup(z,
                          "A fair day's work for a fair day's pay!  The local union has raised "
                          "the minimum hourly pay for your employees.  You are not allowed to "
                          "pay them less than " +
                              showmoney(store.unionwage) + " per hour.");
                if (store.wage < store.unionwage) store.wage = store.unionwage;
            }
        }
        if (store.employees >= 30 && store.unionwage == 0) {
            const double x = 100 + 25 * stafffeatures(store);
            if (drawint(z, x) + 1 <= 7) {
                store.unionwage = 9;
                store.unionworkers = 25;
                if (human)
                    popup(z,
                          "A fair day's work for a fair day's pay!  Your work force was "
                          "getting large enough that the employees decided it was time to "
                          "form a union.  You now have no choice but to keep at least " +
                              std::to_string(store.unionworkers) +
                              " workers employeed, and you must pay them at least " +
                              showmoney(store.unionwage) +
                              " per hour.  If workers choose to leave on their own, and your "
                              "number of workers falls below the minimum, the union will not "
                              "hold it against you.");
                if (store.wantedemployees < 25) store.wantedemployees = 25;
                if (store.wage < 9) store.wage = 9;
            }
        }
    }
}

}  // namespace zelvo
