// Accidents in the player's store and what insurance pays.
#include <gtest/gtest.h>

#include "sim/accidents.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(Insurance, CoversItsShareOfTheBill) {
    const struct {
        const char* features;
        double charged;
        const char* text;
    } cases[] = {
        {"", 4321, "  You have been charged $4,321.00."},
        {"[insurance1]", 3240,
         "  Your Basic insurance covered 25% of the cost, so you have been charged $3,240.00."},
        {"[insurance2]", 1728,
         "  Your Standard insurance covered 60% of the cost, so you have been charged $1,728.00."},
        {"[tvads][insurance3]", 0,
         "  Your Full coverage insurance covered the entire cost.  You would have been charged "
         "$4,321.00."},
    };
    for (const auto& c : cases) {
        InsuredBill bill = insure(c.features, 4321);
        EXPECT_EQ(bill.charged, c.charged) << c.features;
        EXPECT_EQ(bill.text, c.text) << c.features;
    }
}

TEST(Accidents, EmployeeAndCustomerRangesOfTheDailyRoll) {
    const std::string employee =
        "One of your employees took a nasty fall while at work.  She will be in the hospital until "
        "her knee heals.  Your store has been sent a bill for her medical expenses.";
    const std::string customer =
        "An elderly customer fell in your store and broke her hip.  The hip itself had to be "
        "replaced.  Your store has been sent a bill for her medical expenses.";
    StartedGame game;
    GameState& s = game.z.s;
    s.human().employees = 10;
    s.human().customers = 50;
    s.human().money = 20000;
    s.human().features.clear();
    // n = 12 with 10 employees and 50 customers: a customer accident (kind 5, bill 10,000).
    game.z.rng.script({0.0011, 0.99, 0.0});
    accidentroll(game.z);
    EXPECT_EQ(game.z.rng.scriptleft(), 0u);
    EXPECT_EQ(s.human().employees, 10);
    EXPECT_DOUBLE_EQ(s.human().money, 10000);
    EXPECT_DOUBLE_EQ(s.human().medicalspent, 10000);
    EXPECT_EQ(s.clock.paused, 1);
    EXPECT_EQ(game.take(), (Lines{"sound: sounds/game/pause.wav 0 0",
                                  "say: " + customer + "  You have been charged $10,000.00."}));

    game.z.rng.script({0.0060});  // n = 61: no accident
    accidentroll(game.z);
    EXPECT_EQ(game.take(), Lines{});

    // n = 10: an employee is hurt and leaves (kind 1, bill 2,500).
    game.z.rng.script({0.0009, 0.0, 0.5});
    s.human().customers = 0;
    accidentroll(game.z);
    EXPECT_EQ(game.z.rng.scriptleft(), 0u);
    EXPECT_EQ(s.human().employees, 9);
    EXPECT_EQ(game.take().back(), "say: " + employee + "  You have been charged $2,500.00.");

    // n = 10 again, now with customers: the employee still leaves, and n then also lies
    // among the customers, whose accident's text and bill replace the employee's.
    s.human().employees = 10;
    s.human().customers = 50;
    game.z.rng.script({0.0009, 0.0, 0.5, 0.99, 0.0});
    accidentroll(game.z);
    EXPECT_EQ(game.z.rng.scriptleft(), 0u);
    EXPECT_EQ(s.human().employees, 9);
    EXPECT_EQ(game.take().back(), "say: " + customer + "  You have been charged $10,000.00.");
}

}  // namespace
}  // namespace zelvo
