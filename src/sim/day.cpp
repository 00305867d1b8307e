// One game day: its steps, in their order.
#include "sim/day.h"

#include "core/zelvo.h"

namespace zelvo {

void processday(Zelvo& z) {
    // The day's steps (sales, wages, bills, the computer stores' turns) are added here as
    // the simulation grows; the clock already counts and paces the days.
    (void)z;
}

}  // namespace zelvo
