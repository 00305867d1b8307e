// Waits that keep the window answering, and stopping the day clock.
#pragma once

namespace zelvo {

struct Zelvo;

// Pauses the game: the clock stops until Space starts it again.
void pausegame(Zelvo& z);
// Waits while the window keeps handling events.
void hold(Zelvo& z, double seconds);

}  // namespace zelvo
