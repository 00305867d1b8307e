// Waits that keep the window answering, and stopping the day clock.
#include "core/waits.h"

#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

void pausegame(Zelvo& z) {
    z.s.clock.paused = 1;
    z.platform.stopDayTimer();
}

void hold(Zelvo& z, double seconds) {
    const double ms = roundeven(seconds * 1000);
    if (!(ms >= 1)) return;
    const long long deadline = z.platform.nowMs() + static_cast<long long>(ms);
    for (long long now = z.platform.nowMs(); now < deadline; now = z.platform.nowMs())
        z.platform.processEvents(static_cast<int>(deadline - now));
}

}  // namespace zelvo
