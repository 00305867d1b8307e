// What the game's modal boxes do with the events that are not their own.
#pragma once

#include <SDL2/SDL.h>

#include <functional>

namespace zelvo {

class DayTimer;
class VoiceOutput;

// A window that needs drawing is drawn again with `redraw`; the voice's events keep it
// speaking, whichever engine it is; day-timer firings are dropped, since the game stands
// still behind a modal box. Any other event is ignored.
void modalbackground(const SDL_Event& e, VoiceOutput& voice, DayTimer& timer,
                     const std::function<void()>& redraw);

}  // namespace zelvo
