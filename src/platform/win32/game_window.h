// The game's one window: black, resizable, its picture painted on WM_PAINT.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/window_paint.h"

namespace zelvo {

// The window procedure never calls into the game: keys, timer firings and the close are
// taken from the queue by the platform's own loop, so that the game's handlers (and the
// exception that ends the program) never run beneath a system frame, and a system's modal
// loop (a message box, a drag of the frame) never runs a day behind the player's back.
class GameWindow {
public:
    // Posted when the player closes the window, to wake the platform's loop, which then
    // takes the request (takeCloseRequest) and tells the game.
    static constexpr UINT kCloseMessage = WM_APP + 1;

    // Opens and shows the window; throws PlatformError with the system's reason.
    explicit GameWindow(const std::string& title);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    HWND handle() const { return hwnd_; }
    // Inner width in pixels; 0 while minimised.
    int clientWidth() const;
    void setTitle(const std::string& text);
    // Changes what the window shows and has it painted again.
    WindowPicture& picture() { return picture_; }
    void repaint();
    // Whether the player asked to close the window since the last call. A system's modal
    // loop (a message box) may swallow the wake-up message; the request itself stays.
    bool takeCloseRequest();
    // Posts the wake-up again for a request still waiting, after a system's modal loop.
    void renewCloseRequest();
    // Takes the keyboard back after a box of the system's own closed.
    void takeFocus();
    // WM_GETOBJECT goes here first (a screen reader asking for the window's provider).
    void onGetObject(std::function<bool(WPARAM, LPARAM, LRESULT&)> answer) {
        getObject_ = std::move(answer);
    }
    void destroy();

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HWND hwnd_ = nullptr;
    bool closeRequested_ = false;
    WindowPicture picture_;
    WindowPainter painter_;
    std::function<bool(WPARAM, LPARAM, LRESULT&)> getObject_;
};

}  // namespace zelvo
