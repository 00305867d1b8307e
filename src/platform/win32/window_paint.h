// What the game's window shows, drawn with GDI: the message lines or the text-entry box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zelvo {

// The window's whole picture; it is drawn again from this on every WM_PAINT.
struct WindowPicture {
    std::vector<std::string> lines;  // the last message, as the game wrapped it
    bool entry = false;              // a text-entry box is open: the fields below show
    std::string title;
    std::string prompt;
    std::string field;
    // A message box is open: its text is drawn large behind it, wrapped to the window, for
    // a player who reads the window rather than the system's small letters.
    std::string message;
};

// Large white "Arial" letters on black. The font is made for the window's screen.
class WindowPainter {
public:
    WindowPainter() = default;
    ~WindowPainter();
    WindowPainter(const WindowPainter&) = delete;
    WindowPainter& operator=(const WindowPainter&) = delete;

    // Makes the font for a screen of `dotsPerInch`; false when GDI has none to give.
    bool makeFont(int dotsPerInch);
    void paint(HDC dc, const RECT& client, const WindowPicture& picture);

private:
    void paintEntry(HDC dc, const RECT& client, const WindowPicture& picture);
    void paintWrapped(HDC dc, const RECT& client, const std::string& text);
    int textWidth(HDC dc, const std::wstring& text);
    std::vector<std::wstring> wrap(HDC dc, const std::wstring& text, int width);

    HFONT font_ = nullptr;
};

}  // namespace zelvo
