// The day clock, the pause toggle and waits.
#include "core/clock.h"

#include "core/numbers.h"
#include "core/zelvo.h"
#include "sim/day.h"
#include "sound/sound.h"

namespace zelvo {

bool isingamemenu(int menu) {
    if (menu < 5) return false;
    return !(menu >= 10 && menu <= 13) && menu != 15 && menu != 16;
}

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
        makesound(z, "\\sounds\\game\\tick.wav", -2000, 0, 0, -1);
    } else {
        z.s.clock.ticktock = 0;
        makesound(z, "\\sounds\\game\\tock.wav", -2000, 0, 0, -1);
    }
    z.dayrunning = true;
    struct DayEnd {
        Zelvo& z;
        ~DayEnd() { z.dayrunning = false; }
    } dayend{z};
    processday(z);
    ++z.daysprocessed;
}

void pausegame(Zelvo& z) {
    z.s.clock.paused = 1;
    z.platform.stopDayTimer();
}

void pausetoggle(Zelvo& z) {
    if (!z.platform.dayTimerRunning()) z.s.clock.paused = 1;
    if (z.s.clock.paused == 0) {
        pausegame(z);
        makesound(z, "\\sounds\\game\\pause.wav", 0, 0, 0, -1);
    } else {
        z.s.clock.paused = 0;
        z.platform.startDayTimer(z.s.game.debugmode == 1 ? kDebugDayPeriodMs : kDayPeriodMs);
        makesound(z, "\\sounds\\game\\unpause.wav", 0, 0, 0, -1);
    }
}

void hold(Zelvo& z, double seconds) {
    const double ms = roundeven(seconds * 1000);
    if (!(ms >= 1)) return;
    const long long deadline = z.platform.nowMs() + static_cast<long long>(ms);
    for (long long now = z.platform.nowMs(); now < deadline; now = z.platform.nowMs())
        z.platform.processEvents(static_cast<int>(deadline - now));
}

}  // namespace zelvo
