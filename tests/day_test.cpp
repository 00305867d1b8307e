// The order of a day: the calendar, the month's reset, the pay cycle, the knockout, and a
// whole idle game.
#include <gtest/gtest.h>

#include "app/runner.h"
#include "core/keys.h"
#include "game/dayclock.h"
#include "game/startup.h"
#include "sim/day.h"
#include "sim/workforce.h"
#include "state/menunumbers.h"
#include "support/started_game.h"
#include "ui/menus.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(Day, TheCalendarRollsOverMonthsAndYears) {
    const struct {
        Calendar before;
        int day, month, year;
    } cases[] = {
        {{29, 1, 1, 1}, 30, 1, 1},
        {{30, 1, 1, 1}, 1, 2, 1},
        {{30, 12, 3, 1}, 1, 1, 4},
    };
    for (const auto& c : cases) {
        StartedGame game;
        GameState& s = game.z.s;
        s.calendar = c.before;
        s.human().money = 12345;
        s.storeitem[2][5].sold = 3;
        processday(game.z);
        EXPECT_EQ(s.calendar.day, c.day);
        EXPECT_EQ(s.calendar.month, c.month);
        EXPECT_EQ(s.calendar.year, c.year);
        // The month's figures start again on day 1, with the cash as the opening balance.
        const bool reset = c.day == 1;
        EXPECT_EQ(s.storeitem[2][5].sold == 0, reset);
        EXPECT_EQ(s.human().monthstartmoney == 12345, reset);
    }
}

TEST(Day, WagesAndTheAutosaveComeEverySixDays) {
    StartedGame game;
    GameState& s = game.z.s;
    for (int p = 1; p <= 5; ++p) s.store[p].money = 1e9;  // nobody goes bankrupt
    std::vector<std::pair<int, int>> paydays;
    for (int n = 0; n < 31; ++n) {
        const double paid = s.human().wagespaid;
        processday(game.z);
        if (s.human().wagespaid != paid || (s.calendar.day == 1 && s.human().wagespaid > 0))
            paydays.emplace_back(s.calendar.month, s.calendar.day);
    }
    EXPECT_EQ(paydays,
              (std::vector<std::pair<int, int>>{{1, 7}, {1, 13}, {1, 19}, {1, 25}, {2, 1}}));
    EXPECT_TRUE(std::filesystem::exists(game.folder.file("lastsave")));
    EXPECT_EQ(game.folder.read("lastsave").substr(0, 5), "1.1\r\n");
    for (const auto& line : game.take()) EXPECT_NE(line, "say: Game saved.");
}

TEST(Day, WithNoRivalLeftTheDayEndsBeforeTheCalendarMoves) {
    StartedGame game;
    GameState& s = game.z.s;
    for (int p = 2; p <= 5; ++p) s.store[p].active = 0;
    s.calendar = {17, 5, 2, 3};
    processday(game.z);
    EXPECT_EQ(s.calendar.day, 17);
    EXPECT_EQ(s.ui.menu, menu::Knockout);
    EXPECT_EQ(game.take(), (Lines{"sound: sounds/game/award.wav 0 0",
                                  "say: On May 17, 2031, Zelvo became the last of the large "
                                  "stores in the area.  You have outlasted your competition and "
                                  "become the dominant store chain.  Well done!"}));
}

// The system's own reason is told, in POSIX's words here.
#ifndef _WIN32
TEST(Day, AnAutosaveThatFailsSaysWhyOnceUntilItWorksAgain) {
    StartedGame game;
    const std::string home = game.z.folder;
    game.folder.write("a file", "");
    auto payday = [&](const std::string& folder) {
        game.z.folder = folder;  // below a plain file nothing can be written
        game.z.s.calendar.paycounter = 6;
        game.take();
        processday(game.z);
        Lines errors;
        for (const auto& line : game.take())
            if (line.rfind("say: Error saving game.", 0) == 0) errors.push_back(line);
        return errors;
    };
    const Lines told{
        "say: Error saving game.  The automatic save could not be written: Not a directory."};
    EXPECT_EQ(payday(game.folder.file("a file")), told);
    EXPECT_EQ(game.z.s.calendar.day, 2);  // the day goes on
    EXPECT_EQ(payday(game.folder.file("a file")), Lines{});
    EXPECT_EQ(payday(home), Lines{});
    EXPECT_TRUE(std::filesystem::exists(game.folder.file("lastsave")));
    EXPECT_EQ(payday(game.folder.file("a file")), told);
}
#endif

TEST(Hiring, ChancesGrowWithTheWageAndStayACount) {
    EXPECT_EQ(hiringchances(0), 0);
    EXPECT_EQ(hiringchances(-5), 0);
    EXPECT_EQ(hiringchances(7.25), 88);  // 10 x 7.25^1.1
    // Wages no game reaches count as the highest a game can hold, never past an int.
    EXPECT_EQ(hiringchances(8e10), hiringchances(kWageLimit));
    EXPECT_LT(hiringchances(kWageLimit), 1000000);
}

// The passes go on while some store may still hire, and end with the first pass in which
// none may: at the highest wage a game holds, the draws are exactly those the passes need.
TEST(Hiring, ThePassesEndWhenNoStoreMayHire) {
    StartedGame game;
    GameState& s = game.z.s;
    for (int p = 1; p <= 5; ++p) {
        s.store[p].active = 1;
        s.store[p].wage = kWageLimit;
        s.store[p].employees = s.store[p].wantedemployees = 10;
    }
    s.store[3].wantedemployees = 11;
    s.store[5].wage = 7.25;  // 88 chances, then no more
    s.store[5].wantedemployees = 12;
    // Store 3 misses twice, then hires; store 5 misses every one of its 88 passes.
    std::deque<double> draws{0.5, 0.5, 0.5, 0.5, 0.0};
    draws.insert(draws.end(), 86, 0.5);
    game.z.rng.script(draws);
    moveworkers(game.z);
    EXPECT_EQ(game.z.rng.scriptleft(), 0u);
    EXPECT_EQ(s.store[3].employees, 11);
    EXPECT_EQ(s.store[5].employees, 10);
}

// A machine whose clock falls due again in every wait, as a slow day would make it.
class ImpatientClock : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    void processEvents(int timeoutMs) override {
        HeadlessPlatform::processEvents(timeoutMs);
        ++waits;
        if (dayTimerRunning() && events()) events()->onDayTimer();
    }
    int waits = 0;
};

TEST(Day, ATickDuringADayNeverStartsASecondDay) {
    testing::TempFolder folder;
    std::ostringstream out;
    ImpatientClock platform(out, "title", {1, 2030});
    Zelvo z(platform, folder.path().string());
    Form_Load(z);
    z.s.ui.menu = menu::Store;
    z.s.clock.paused = 0;
    z.s.calendar.paycounter = 6;  // payday: the coin and its wait
    platform.startDayTimer(kDayPeriodMs);
    Timer1_Timer(z);
    EXPECT_GT(platform.waits, 0);
    EXPECT_EQ(z.daysprocessed, 1);
    EXPECT_EQ(z.s.calendar.day, 2);
    Timer1_Timer(z);  // the next tick after the day has ended runs the next day
    EXPECT_EQ(z.daysprocessed, 2);
}

// Plays a whole game with an idle player, month after month, as far as it goes.
TEST(Day, AnIdleGameRunsToItsEnd) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        StartedGame game(true, {static_cast<int>(seed), 2030});
        GameState& s = game.z.s;
        std::istringstream start("Enter\nEnter\nEnter\n");
        std::ostringstream errors;
        ASSERT_EQ(runscript(game.z, game.platform, start, errors), 0);
        ASSERT_EQ(s.ui.menu, menu::Store);
        for (int month = 0; month < 61 && s.ui.menu != menu::Final; ++month) {
            std::istringstream days("days 1800\n");
            ASSERT_EQ(runscript(game.z, game.platform, days, errors), 0);
            if (s.ui.menu != menu::Statement) break;
            game.press(key::Escape);  // to "Return to game."
            game.press(key::Enter);
        }
        const int end = s.ui.menu;
        EXPECT_TRUE(end == menu::Final || end == menu::Lost || end == menu::Knockout) << end;
        for (const auto& line : game.take()) ASSERT_NE(line.rfind("log: ", 0), 0u) << line;
    }
}

}  // namespace
}  // namespace zelvo
