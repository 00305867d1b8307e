// The braille display of speech output 2, reached through BrlAPI when BRLTTY runs.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace zelvo {

// Connects on first use. Without a BRLTTY daemon there is no display and every write
// quietly does nothing: most players have none, and that is not a fault. A write tries
// again when the last try is some seconds old, so a BRLTTY started after the game, or
// restarted under it, is found; a daemon that goes away only loses the display.
//
// A message longer than the display is shown a piece at a time: the display's own keys
// for panning left and right (and to the first and last piece) step through it, read by
// pump() without waiting. Every other key stays with BRLTTY. When BrlAPI will not hand
// those keys over, the display shows the message's start.
class BrailleDisplay {
public:
    // `windowId` is the X11 window the text belongs to, so BRLTTY shows it while that
    // window has the focus; negative when there is none (BrlAPI then picks the terminal).
    explicit BrailleDisplay(long windowId);
    ~BrailleDisplay();
    BrailleDisplay(const BrailleDisplay&) = delete;
    BrailleDisplay& operator=(const BrailleDisplay&) = delete;

    void write(const std::string& text);
    // Takes the panning keys pressed since the last call and shows the piece they ask for.
    void pump();
    // Whether panning keys may come: a display is connected and hands them over.
    bool listening() const { return connected_ && panning_; }
    bool connected() const { return connected_; }
    void close();

private:
    // Connects unless the last try was too recent.
    bool reconnect();
    bool connect();
    void show(const std::string& utf8);

    long windowId_;
    std::unique_ptr<unsigned char[]> handle_;  // brlapi_handle_t, of a size only known at run time
    bool connected_ = false;
    // Few enough tries that a game without BRLTTY hardly notices them.
    static constexpr std::chrono::seconds kRetryAfter{5};
    std::chrono::steady_clock::time_point nextTry_{};
    bool panning_ = false;
    int cells_ = 0;
    std::vector<std::string> pieces_;  // the message being shown, in pieces
    int shown_ = 0;
};

}  // namespace zelvo
