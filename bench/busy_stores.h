// Stores that sell all day long: the heaviest days a game can have.
#pragma once

namespace zelvo {

struct GameState;

// Every store open, rich enough never to go bankrupt, 40 staff and ten aisles of a million
// units each; the player's store too, unless `player` is false (an idle player: no sales,
// so no sale sounds).
void busystores(GameState& s, bool player = true);

}  // namespace zelvo
