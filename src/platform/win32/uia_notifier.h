// UI Automation notifications from the game's window: NVDA, JAWS and Narrator speak them and
// show them in braille (speech output 2, and output 3 when JAWS does not answer).
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/com_failure.h"
#include "platform/win32/uia_calls.h"

namespace zelvo {

class WindowProvider;

class UiaNotifier {
public:
    explicit UiaNotifier(HWND window);
    // The same with UI Automation's functions given (a test's stand-ins).
    UiaNotifier(HWND window, UiaCalls calls);
    ~UiaNotifier();
    UiaNotifier(const UiaNotifier&) = delete;
    UiaNotifier& operator=(const UiaNotifier&) = delete;

    // The window procedure hands WM_GETOBJECT here first; true when the notifier answered
    // it, with the answer in `result`.
    bool answerGetObject(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Whether a screen reader is running that hears the notifications: the system can
    // raise them, the screen-reader flag is set, and UI Automation has a client.
    bool clientsListening() const;
    // Raises one notification with the text, the newest replacing any not yet read; an
    // empty text raises none. Throws PlatformError when the system cannot raise it, the
    // first time only for each kind of failure.
    void notify(const std::string& text);
    // The window is going away: the provider lets go of it.
    void close();

private:
    HWND window_;
    UiaCalls calls_;
    WindowProvider* provider_ = nullptr;
    bool missingReported_ = false;
    FailureOnce failures_;
};

}  // namespace zelvo
