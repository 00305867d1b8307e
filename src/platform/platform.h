// The seam between the game and the machine: everything the game asks of a desktop.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zelvo {

// What the machine hands back to the game while it processes events.
class PlatformEvents {
public:
    virtual ~PlatformEvents() = default;
    // One key-down: a virtual-key code and the modifier bits (Shift 1, Ctrl 2, Alt 4).
    virtual void onKey(int code, int state) = 0;
    // The repeating day timer fell due.
    virtual void onDayTimer() = 0;
    // The player closed the window: the program ends (the game unwinds from this call).
    virtual void onClose() = 0;
};

// Tells the player a short text without recording or drawing it (the text-entry echo).
using TextEcho = std::function<void(const std::string&)>;

// A text a text-entry box offers: what it puts in the field, and what is said for it.
struct InputChoice {
    std::string text;
    std::string spoken;
};

// What Up and Down step through in a text-entry box, and what they say when there is
// nothing to step through. Both empty: the box offers nothing, and Up and Down do nothing.
struct InputChoices {
    std::vector<InputChoice> list;
    std::string none;
};

// A platform call that failed; the game logs the text and carries on.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every call is made on the game's one thread. Calls that can fail throw PlatformError.
class Platform {
public:
    virtual ~Platform() = default;

    // Who receives keys and timer firings during processEvents.
    virtual void setEvents(PlatformEvents* events) = 0;

    // --- Window ---
    // Inner width of the window in pixels (the message drawing wraps by it).
    virtual int windowWidth() = 0;
    // Clears the window and draws each line at x = 5, y = 40 * k + 15, white on black.
    virtual void drawLines(const std::vector<std::string>& lines) = 0;
    virtual std::string title() = 0;
    virtual void setTitle(const std::string& text) = 0;
    // Handles the events that are pending, waiting up to timeoutMs for the first one.
    // Keys and timer firings are dispatched, nested, to the PlatformEvents.
    virtual void processEvents(int timeoutMs) = 0;
    // Milliseconds on a clock that only moves forward; waits are measured on it.
    virtual long long nowMs() = 0;
    // A modal text-entry box; the typed text, or empty when cancelled. No screen reader can
    // see into the box, so it hands each typed character, each deletion and each read-back
    // of the field to `echo`, which tells it the way the chosen output tells messages.
    // Up and Down step through `choices` (see ChoiceCursor), putting each in the field and
    // handing what is said for it to `echo`; Enter returns the field as it then stands.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const TextEcho& echo, const InputChoices& choices) = 0;
    // A modal message box; returns when it is closed.
    virtual void messageBox(const std::string& text) = 0;
    // The program ends: release the machine's resources. The game unwinds after this call.
    virtual void endProgram() = 0;

    // --- Day timer ---
    virtual void startDayTimer(int periodMs) = 0;
    virtual void stopDayTimer() = 0;
    virtual bool dayTimerRunning() = 0;

    // --- Computer clock ---
    virtual int secondsSinceMidnight() = 0;
    virtual int currentYear() = 0;

    // --- Speech ---
    // The voice (output 0). False when none can be had.
    virtual bool openVoice() = 0;
    virtual void setVoiceRate(int rate) = 0;  // 1 to 10
    // Speaks at once, cutting off what is still being spoken; never waits for the speech.
    virtual void speak(const std::string& text) = 0;
    // The screen reader (output 3). False when none answers.
    virtual bool openScreenReader() = 0;
    virtual void screenReaderSay(const std::string& text) = 0;
    // The braille display of output 2; does nothing when no display is there.
    virtual void brailleWrite(const std::string& text) = 0;

    // --- Diagnostic log shown to developers (the hidden list) ---
    virtual void addLogLine(const std::string& text) = 0;

    // --- Sound ---
    // Opens the sound device and its buffers. Throws PlatformError with the system's own
    // reason when it cannot be opened: the player is told it, to know what to put right.
    virtual void openSound(int buffers) = 0;
    // Loads a wave file (a full path that exists) into a buffer, replacing what it held.
    virtual void loadSound(int buffer, const std::string& file) = 0;
    // Volume in hundredths of a decibel (-5000..0) and pan (-10000 left .. 10000 right).
    virtual void setSoundVolume(int buffer, double volume) = 0;
    virtual void setSoundPan(int buffer, double pan) = 0;
    // Plays what the buffer holds. `asked` is the path the game asked for, relative to the
    // program's folder, with the volume and pan it asked for: a record of the request,
    // which the buffer may not hold if the file was missing.
    virtual void playSound(int buffer, bool loop, const std::string& asked, double volume,
                           double pan) = 0;
};

}  // namespace zelvo
