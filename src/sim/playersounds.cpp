// Alarms and coins: placed at random on the left, each followed by a short wait.
#include "sim/playersounds.h"

#include <string>

#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "sound/sound.h"
#include "sound/sounds.h"

namespace zelvo {

void alarmsound(Zelvo& z) {
    makesound(z, sounds::Alarm, 0, leftpan(z), 0, -1);
    hold(z, 0.1);
}

void coinsound(Zelvo& z, const char* coins) {
    const int k = static_cast<int>(Int(z.rng.draw() * 2)) + 1;
    const double pan = leftpan(z);
    makesound(z, sounds::coins(coins, k), -1000, pan, 0, -1);
    hold(z, 0.1);
}

}  // namespace zelvo
