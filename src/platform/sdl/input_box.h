// The modal text-entry box drawn in the game window.
#pragma once

#include <string>

#include "platform/platform.h"

namespace zelvo {

class BrailleDisplay;
class DayTimer;
class VoiceOutput;
class WindowText;

// Runs the box's own event loop until Enter (the typed text) or Escape (empty). No screen
// reader can see into the window, so the box hands each typed character and each deletion
// to `echo`, and F2 reads the whole field; Up and Down step through `choices`. `voice` only
// takes its own events here, so that an echo spoken by espeak-ng keeps playing. Day-timer
// firings are dropped while it is open: the game stands still behind a modal box. Closing the
// window cancels the box and leaves the quit for the main loop. The braille display's panning
// keys (`braille` may be null) still move through the question while the box waits.
std::string runInputBox(WindowText& text, VoiceOutput& voice, DayTimer& timer,
                        BrailleDisplay* braille, const std::string& prompt,
                        const std::string& title, const TextEcho& echo,
                        const InputChoices& choices);

}  // namespace zelvo
