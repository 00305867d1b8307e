// The modal boxes of the Windows desktop: the text-entry box drawn by the game in its own
// window, and the system's message box.
#include <cstdio>

#include "platform/speechd/utf8.h"
#include "platform/win32/entry_field.h"
#include "platform/win32/keys.h"
#include "platform/win32/message_queue.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace zelvo {

// No screen reader can see into the box, so each typed character, each deletion and F2's
// read-back go to `echo`. The box has its own loop: the game's key handler hears nothing
// while it is open, and day-timer firings are dropped, since the game stands still behind
// a modal box. Closing the window cancels the box and leaves the close for the main loop.
std::string Win32Platform::inputBox(const std::string& prompt, const std::string& title,
                                    const TextEcho& echo, const InputChoices& choices) {
    if (ended_ || !window_) return {};
    GameWindow& window = *window_;
    const HWND hwnd = window.handle();
    struct Restore {  // the game's lines come back however the box ends
        GameWindow& w;
        ~Restore() {
            w.picture().entry = false;
            w.picture().field.clear();
            w.repaint();
        }
    } restore{window};
    WindowPicture& picture = window.picture();
    picture.entry = true;
    picture.title = title;
    picture.prompt = prompt;
    picture.field.clear();
    window.repaint();

    EntryField field(choices);
    auto tell = [&](const std::optional<std::string>& words) {
        if (!words) return;
        picture.field = field.text();
        window.repaint();
        if (echo) echo(*words);
    };
    for (;;) {
        MSG msg;
        if (!nextMessage(msg, -1)) continue;
        if (msg.hwnd != hwnd) {
            DispatchMessageW(&msg);
            continue;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            TranslateMessage(&msg);  // the characters typed come as WM_CHAR
            switch (msg.wParam) {
            case VK_RETURN:
                return field.text();
            case VK_ESCAPE:
                return {};
            case VK_BACK:
                tell(field.erase());
                break;
            case VK_F2:
                tell(field.readBack());
                break;
            case VK_UP:
            case VK_DOWN:
                tell(field.step(msg.wParam == VK_DOWN));
                break;
            default:
                break;
            }
            break;
        case WM_SYSKEYDOWN:
            // AltGr types characters as Ctrl+Alt, which arrive here as well.
            TranslateMessage(&msg);
            if (keyMessage(msg.message, msg.wParam, msg.lParam, currentModifierBits()).kind ==
                KeyMessage::Kind::Close) {
                PostMessageW(hwnd, WM_CLOSE, 0, 0);  // the game's loop takes it from there
                return {};
            }
            break;
        case WM_CHAR:
            tell(field.type(static_cast<wchar_t>(msg.wParam)));
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
        case WM_TIMER:
            break;
        case GameWindow::kCloseMessage:
            window.renewCloseRequest();  // for the game's loop
            return {};
        default:
            DispatchMessageW(&msg);
            break;
        }
    }
}

// The system's box, which every screen reader reads by itself; its text is also told on
// the voice, the title and a notification for a player who follows those, drawn large in
// the window behind it, and written on standard error. The window is its owner, so the
// game's window takes no keys while it is open, and day-timer firings go unheard (the
// window procedure never runs a day).
void Win32Platform::messageBox(const std::string& text) {
    std::fprintf(stderr, "%s\n", asUtf8(text).c_str());
    if (ended_ || !window_) return;
    tellMessage(text);
    const std::string before = title_;
    setTitle(text);
    window_->picture().message = text;
    window_->repaint();
    MessageBoxW(window_->handle(), widen(text).c_str(), L"Zelvo",
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    window_->picture().message.clear();
    window_->renewCloseRequest();  // a close asked while the box was open is not lost
    setTitle(before);
    window_->takeFocus();
    window_->repaint();
}

void Win32Platform::tellMessage(const std::string& text) {
    // A voice or notification that refuses the text costs the player nothing more: the box
    // and the title still carry it.
    try {
        if (voiceOpen_) voice_.speak(text);
    } catch (const PlatformError& e) {
        std::fprintf(stderr, "zelvo: the voice could not say the message: %s\n", e.what());
    }
    try {
        if (uia_) uia_->notify(text);
    } catch (const PlatformError& e) {
        std::fprintf(stderr, "zelvo: the message could not be raised as a notification: %s\n",
                     e.what());
    }
}

}  // namespace zelvo
