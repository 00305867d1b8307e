// One game day.
#pragma once

namespace zelvo {

struct Zelvo;

// Runs one day of the simulation.
void processday(Zelvo& z);

}  // namespace zelvo
