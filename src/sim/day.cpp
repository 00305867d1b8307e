// One game day: its steps, in their order.
#include "sim/day.h"

#include <string>

#include "ai/runai.h"
#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "market/wheels.h"
#include "persist/savegame.h"
#include "reports/gameend.h"
#include "reports/statement.h"
#include "sim/accidents.h"
#include "sim/customers.h"
#include "sim/payments.h"
#include "sim/playersounds.h"
#include "sim/workforce.h"
#include "sound/sound.h"
#include "speech/money.h"

namespace zelvo {

namespace {

bool rivalsleft(const GameState& s) {
    for (int p = 1; p <= s.game.playercount; ++p)
        if (p != s.game.humanslot && s.store[p].active == 1) return true;
    return false;
}

void advancecalendar(Calendar& calendar) {
    calendar.day += 1;
    if (calendar.day >= 31) {
        calendar.day = 1;
        calendar.month += 1;
    }
    if (calendar.month >= 13) {
        calendar.month = 1;
        calendar.year += 1;
    }
}

void payday(Zelvo& z) {
    payroll(z);
    coinsound(z, "coin");
    savegame(z, "lastsave");
}

}  // namespace

void processday(Zelvo& z) {
    GameState& s = z.s;
    if (!rivalsleft(s)) {
        knockout(z);
        return;
    }
    advancecalendar(s.calendar);
    if (s.game.debugmode == 1) {
        addlog(z, "================" + saymonth(s.calendar.month) + "-" +
                      std::to_string(s.calendar.day) + "-" +
                      std::to_string(2015 + s.calendar.year) + "================");
        addlog(z, s.store[2].ownername + " starting money $" + numtext(s.store[2].money));
    }
    if (s.calendar.day == 1) startmonthfigures(s);
    for (int i = 1; i <= s.game.itemcount; ++i) spinwheel(z, i);
    moveworkers(z);
    countcustomers(z);
    for (int p = 1; p <= s.game.playercount; ++p)
        if (s.store[p].active == 1) storeday(z, p);
    s.calendar.paycounter += 1;
    if (s.calendar.paycounter == 7) {
        s.calendar.paycounter = 1;
        payday(z);
    }
    if (s.calendar.day == 30) paybills(z);
    payloans(z);
    for (int p = 1; p <= s.game.playercount; ++p)
        if (s.store[p].active == 1 && p != s.game.humanslot) runAI(z, p);
    unions(z);
    accidentroll(z);
    if (s.calendar.day == 30) {
        if (s.calendar.month == 12) yearlytax(z);
        monthlystatement(z);
    }
}

}  // namespace zelvo
