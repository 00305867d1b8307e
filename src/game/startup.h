// The start-up sequence.
#pragma once

namespace zelvo {

struct Zelvo;

// Runs the window's loading from the seed to the welcome. Throws ProgramEnded when the
// program ends during it (no sound device).
void Form_Load(Zelvo& z);

}  // namespace zelvo
