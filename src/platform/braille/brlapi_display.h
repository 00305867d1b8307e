// The braille display of speech output 2, reached through BrlAPI when BRLTTY runs.
#pragma once

#include <memory>
#include <string>

namespace zelvo {

// Connects on first use. Without a BRLTTY daemon there is no display and every write
// quietly does nothing: most players have none, and that is not a fault.
class BrailleDisplay {
public:
    // `windowId` is the X11 window the text belongs to, so BRLTTY shows it while that
    // window has the focus; negative when there is none (BrlAPI then picks the terminal).
    explicit BrailleDisplay(long windowId);
    ~BrailleDisplay();
    BrailleDisplay(const BrailleDisplay&) = delete;
    BrailleDisplay& operator=(const BrailleDisplay&) = delete;

    void write(const std::string& text);
    void close();

private:
    bool connect();

    long windowId_;
    std::unique_ptr<unsigned char[]> handle_;  // brlapi_handle_t, of a size only known at run time
    bool connected_ = false;
    bool tried_ = false;
};

}  // namespace zelvo
