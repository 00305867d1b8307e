// Customers and sales. Stores do not compete on price: every store gets the season's
// customers, features move some between stores, and each customer walks every aisle.
#include "sim/customers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "market/wheels.h"
#include "sound/sound.h"
#include "sound/sounds.h"

namespace zelvo {

namespace {

constexpr int kSeason[] = {100, 84, 107, 81, 77, 71, 65, 77, 81, 103, 123, 168};

// What one customer-aisle visit came to.
enum class Visit { Passed, Sold, Stolen };

class StoreDay {
public:
    StoreDay(Zelvo& z, int store) : z_(z), s_(z.s), slot_(store), store_(z.s.store[store]) {}

    void run() {
        rewards_ = hasfeature(store_, tag::RewardsProgram);
        shiftcrowding();
        countaisledays();
        sell();
    }

private:
    void shiftcrowding() {
        for (int d = kCrowdDays; d >= 2; --d) store_.crowdhistory[d] = store_.crowdhistory[d - 1];
        store_.crowdhistory[1] = 0;
    }

    void countaisledays() {
        for (int a = 1; a <= store_.aislecount; ++a) {
            Aisle& aisle = s_.aisle[slot_][a];
            if (aisle.item < 0) aisle.item += 1;
            if (aisle.item > 0 && aisle.stock > 0) aisle.saledays += 1;
        }
    }

    // An item's value does not change within the day, so each is read once.
    int value(int item) {
        if (item >= static_cast<int>(values_.size())) return readwheel(z_, item);
        if (!known_[static_cast<std::size_t>(item)]) {
            values_[static_cast<std::size_t>(item)] = readwheel(z_, item);
            known_[static_cast<std::size_t>(item)] = true;
        }
        return values_[static_cast<std::size_t>(item)];
    }

    void sell() {
        const double c = theftdivisor(z_, slot_);
        sales_ = 0;
        for (int k = 1; k <= store_.customers; ++k) {
            for (int a = 1; a <= store_.aislecount; ++a) {
                Aisle& aisle = s_.aisle[slot_][a];
                if (aisle.item <= 0 || aisle.stock <= 0) continue;
                if (visit(a, aisle, c) == Visit::Passed) continue;
                if (crowded()) return;
            }
        }
    }

    Visit visit(int a, Aisle& aisle, double c) {
        int v = value(aisle.item);
        if (v == 0) v = 1;
        if (aisle.price > v) return Visit::Passed;
        const double chance = 100 * std::sqrt((v - aisle.price) / v);
        double n = Int(z_.rng.draw() * 100) + 1;
        const double t = Int(c * z_.rng.draw()) + 1;
        if (t == 1) n = chance;
        if (n > chance) return Visit::Passed;
        if (t != 1) {
            sale(a, aisle);
            return Visit::Sold;
        }
        theft(aisle);
        return Visit::Stolen;
    }

    void sale(int a, Aisle& aisle) {
        aisle.sold += 1;
        sales_ += 1;
        aisle.stock -= 1;
        double amount = aisle.price;
        if (rewards_) amount = roundcents(aisle.price * 0.95);
        store_.money += amount;
        StoreItem& figures = s_.storeitem[slot_][aisle.item];
        figures.sold += 1;
        figures.profit += amount - aisle.cost;
        if (secondstorelogged(z_, slot_))
            addlog(z_, "Sold " + s_.item[aisle.item].name + " for $" + numtext(amount) +
                           ", profit of $" + numtext(amount - aisle.cost) + "   Money=$" +
                           numtext(store_.money));
        if (slot_ == s_.game.humanslot) {
            const double pan = rightpan(z_);
            makesound(z_, sounds::aisletone(a), 0, pan, 0, -1);
            awaitkeys();
        }
    }

    void theft(Aisle& aisle) {
        aisle.stock -= 1;
        StoreItem& figures = s_.storeitem[slot_][aisle.item];
        figures.stolen += 1;
        figures.stolenloss += aisle.cost;
        if (secondstorelogged(z_, slot_))
            addlog(z_, "Stolen " + s_.item[aisle.item].name + " when listed for $" +
                           numtext(aisle.price) + ", actual store loss $" + numtext(aisle.cost) +
                           "   Money=$" + numtext(store_.money));
        if (slot_ == s_.game.humanslot) {
            const double pan = leftpan(z_);
            makesound(z_, sounds::Theft, 0, pan, 0, -1);
            awaitkeys();
        }
    }

    // The player's sounds leave the keys a moment, and a key may buy a feature meanwhile.
    void awaitkeys() {
        hold(z_, 0.01);
        rewards_ = hasfeature(store_, tag::RewardsProgram);
    }

    // The check-outs handle twice as many sales as the store has employees.
    bool crowded() {
        if (sales_ < 2 * store_.employees) return false;
        store_.crowdhistory[1] = 1;
        if (secondstorelogged(z_, slot_))
            addlog(z_, "Store crowded at " + std::to_string(sales_) + " sales.");
        return true;
    }

    Zelvo& z_;
    GameState& s_;
    int slot_;
    Store& store_;
    int sales_ = 0;
    bool rewards_ = false;  // the store has the rewards program; its features, read once
    std::array<int, kMaxItems + 1> values_{};
    std::array<bool, kMaxItems + 1> known_{};
};

}  // namespace

double theftdivisor(const Zelvo& z, int store) {
    const Store& s = z.s.store[store];
    const bool human = store == z.s.game.humanslot;
    double c = human ? 80 : 600;
    for (const Feature& feature : featurecatalogue())
        if (feature.theftodds != 0 && hasfeature(s, feature.tag)) c += feature.theftodds;
    if (human && z.s.game.difficulty == 1) c *= 2;
    if (human && z.s.game.difficulty == 3) c /= 2;
    return c;
}

void countcustomers(Zelvo& z) {
    GameState& s = z.s;
    const int players = s.game.playercount;
    const int month = std::clamp(s.calendar.month, 1, 12);
    for (int p = 1; p <= players; ++p)
        s.store[p].customers = s.store[p].active == 1 ? kSeason[month - 1] : 0;
    drawcustomers(z);
}

void drawcustomers(Zelvo& z) {
    GameState& s = z.s;
    const int players = s.game.playercount;
    for (int p = 1; p <= players; ++p) {
        if (s.store[p].active != 1) continue;
        for (const Feature* feature : drawingfeatures()) {
            if (!hasfeature(s.store[p], feature->tag)) continue;
            const int n = feature->customers;
            for (int q = 1; q <= players; ++q) {
                if (q == p || s.store[q].active != 1) continue;
                int& theirs = s.store[q].customers;
                if (theirs >= n) {
                    theirs -= n;
                    s.store[p].customers += n;
                }
                if (theirs < n) {
                    s.store[p].customers += theirs;
                    theirs = 0;
                }
            }
        }
    }
}

void storeday(Zelvo& z, int store) {
    // The values table is large; the day of one store keeps it off the stack.
    auto day = std::make_unique<StoreDay>(z, store);
    day->run();
}

}  // namespace zelvo
