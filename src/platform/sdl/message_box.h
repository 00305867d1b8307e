// The modal message box drawn in the game window.
#pragma once

#include <string>

namespace zelvo {

class BrailleDisplay;
class DayTimer;
class VoiceOutput;
class WindowText;

// Shows `text` in the window's own large letters, with an OK button, until Enter, Escape or
// Space closes it. The caller speaks the text and puts it in the title; the box only keeps
// the voice's events flowing so that the words are heard while it waits. Day-timer firings
// are dropped while it is open, and the braille display's panning keys (`braille` may be
// null) still move through the text. Closing the window closes the box and leaves the quit
// for the main loop.
void runMessageBox(WindowText& text, VoiceOutput& voice, DayTimer& timer, BrailleDisplay* braille,
                   const std::string& message);

}  // namespace zelvo
