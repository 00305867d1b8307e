// New-game setup.
#pragma once

namespace zelvo {

struct Zelvo;

// Sets up a complete new game: stores, aisles, loans, catalogue, market and calendar.
void startusout(Zelvo& z);

}  // namespace zelvo
