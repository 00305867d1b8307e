// What the game's modal boxes do with the events that are not their own.
#pragma once

#include <SDL2/SDL.h>

#include <functional>

namespace zelvo {

class BrailleDisplay;
class DayTimer;
class VoiceOutput;

// Waits for a box's next event; false when SDL fails. A braille display that may send its
// panning keys is asked for them while the box waits, so that a long question or message
// can be read on it piece by piece before it is answered. `braille` may be null.
bool modalwait(SDL_Event& e, BrailleDisplay* braille);

// A window that needs drawing is drawn again with `redraw`; the voice's events keep it
// speaking, whichever engine it is; day-timer firings are dropped, since the game stands
// still behind a modal box. Any other event is ignored.
void modalbackground(const SDL_Event& e, VoiceOutput& voice, DayTimer& timer,
                     const std::function<void()>& redraw);

}  // namespace zelvo
