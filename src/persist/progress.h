// The preferences file progress.ini: the player's lasting choices.
#pragma once

namespace zelvo {

struct Zelvo;

// Writes the whole preferences file from the current state.
void saveprogress(Zelvo& z);
// Reads the preferences file at start-up, when there is one.
void readprogress(Zelvo& z);

}  // namespace zelvo
