// The day clock and the pause toggle.
#include "game/dayclock.h"

#include "core/waits.h"
#include "core/zelvo.h"
#include "game/menutable.h"
#include "sim/day.h"
#include "sound/sound.h"
#include "sound/sounds.h"

namespace zelvo {

void Timer1_Timer(Zelvo& z) {
    // A tick that falls due while a day runs (inside one of its waits) is dropped: the next
    // day starts at the first tick after this one has finished.
    if (z.dayrunning) return;
    if (z.s.game.debugmode == 1) z.platform.startDayTimer(kDebugDayPeriodMs);
    if (!isingamemenu(z.s.ui.menu)) return;
    if (z.s.clock.paused == 1) {
        z.platform.stopDayTimer();
        return;
    }
    if (z.s.clock.ticktock == 0) {
        z.s.clock.ticktock = 1;
        makesound(z, sounds::Tick, -2000, 0, 0, -1);
    } else {
        z.s.clock.ticktock = 0;
        makesound(z, sounds::Tock, -2000, 0, 0, -1);
    }
    z.dayrunning = true;
    struct DayEnd {
        Zelvo& z;
        ~DayEnd() { z.dayrunning = false; }
    } dayend{z};
    processday(z);
    ++z.daysprocessed;
}

void pausetoggle(Zelvo& z) {
    if (!z.platform.dayTimerRunning()) z.s.clock.paused = 1;
    if (z.s.clock.paused == 0) {
        pausegame(z);
        makesound(z, sounds::Pause, 0, 0, 0, -1);
    } else {
        z.s.clock.paused = 0;
        z.platform.startDayTimer(z.s.game.debugmode == 1 ? kDebugDayPeriodMs : kDayPeriodMs);
        makesound(z, sounds::Unpause, 0, 0, 0, -1);
    }
}

}  // namespace zelvo
