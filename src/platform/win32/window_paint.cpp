// What the game's window shows, drawn with GDI: the message lines or the text-entry box.
#include "platform/win32/window_paint.h"

#include <algorithm>

#include "platform/win32/wide.h"

namespace zelvo {
namespace {

constexpr int kPoints = 28;
constexpr int kLeft = 5;
constexpr int kTop = 15;
constexpr int kLineHeight = 40;
constexpr COLORREF kWhite = RGB(255, 255, 255);

void drawText(HDC dc, int x, int y, const std::wstring& text) {
    TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

// A white frame two pixels wide around a black inside, which it returns.
RECT drawFrame(HDC dc, RECT frame) {
    HBRUSH white = CreateSolidBrush(kWhite);
    FillRect(dc, &frame, white);
    DeleteObject(white);
    RECT inside{frame.left + 2, frame.top + 2, frame.right - 2, frame.bottom - 2};
    FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return inside;
}

}  // namespace

WindowPainter::~WindowPainter() {
    if (font_) DeleteObject(font_);
}

bool WindowPainter::makeFont(int dotsPerInch) {
    if (font_) DeleteObject(font_);
    LOGFONTW f{};
    // Negative: the letters themselves are 28 points high, as a word processor's 28 are.
    f.lfHeight = -MulDiv(kPoints, dotsPerInch > 0 ? dotsPerInch : 96, 72);
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(f.lfFaceName, L"Arial", LF_FACESIZE);
    font_ = CreateFontIndirectW(&f);
    return font_ != nullptr;
}

void WindowPainter::paint(HDC dc, const RECT& client, const WindowPicture& picture) {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kWhite);
    if (picture.entry) {
        paintEntry(dc, client, picture);
    } else if (!picture.message.empty()) {
        paintWrapped(dc, client, picture.message);
    } else {
        int y = kTop;
        for (const std::string& line : picture.lines) {
            drawText(dc, kLeft, y, widen(line));
            y += kLineHeight;
        }
    }
    if (old) SelectObject(dc, old);
}

// Its title, the prompt wrapped to the window and the typed text in a frame with a caret.
void WindowPainter::paintEntry(HDC dc, const RECT& client, const WindowPicture& picture) {
    const int width = std::max(static_cast<int>(client.right - client.left) - 2 * kLeft, 1);
    int y = kTop;
    drawText(dc, kLeft, y, widen(picture.title));
    y += kLineHeight * 3 / 2;
    for (const std::wstring& line : wrap(dc, widen(picture.prompt), width)) {
        drawText(dc, kLeft, y, line);
        y += kLineHeight;
    }
    y += kLineHeight / 2;
    const RECT inside = drawFrame(dc, RECT{kLeft, y, kLeft + width, y + kLineHeight + 8});
    // The end of the text kept in view: whole characters off the front until it fits.
    std::wstring shown = widen(picture.field) + L"|";
    const int room = static_cast<int>(inside.right - inside.left) - 8;
    while (shown.size() > 1 && textWidth(dc, shown) > room) {
        const bool pair = shown.size() > 2 && shown[0] >= 0xD800 && shown[0] <= 0xDBFF;
        shown.erase(0, pair ? 2 : 1);
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    drawText(dc, inside.left + 4, inside.top + 2, shown);
    RestoreDC(dc, saved);
}

void WindowPainter::paintWrapped(HDC dc, const RECT& client, const std::string& text) {
    const int width = std::max(static_cast<int>(client.right - client.left) - 2 * kLeft, 1);
    int y = kTop;
    for (const std::wstring& line : wrap(dc, widen(text), width)) {
        drawText(dc, kLeft, y, line);
        y += kLineHeight;
    }
}

int WindowPainter::textWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

// Breaks at blanks; a word wider than the window is broken where it must be.
std::vector<std::wstring> WindowPainter::wrap(HDC dc, const std::wstring& text, int width) {
    std::vector<std::wstring> lines;
    std::wstring line;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(L' ', at);
        if (end == std::wstring::npos) end = text.size();
        std::wstring word = text.substr(at, end - at);
        at = end + 1;
        std::wstring joined = line.empty() ? word : line + L" " + word;
        if (textWidth(dc, joined) <= width) {
            line = std::move(joined);
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line.clear();
        while (word.size() > 1 && textWidth(dc, word) > width) {
            size_t fit = 1;
            while (fit < word.size() && textWidth(dc, word.substr(0, fit + 1)) <= width) ++fit;
            lines.push_back(word.substr(0, fit));
            word.erase(0, fit);
        }
        line = word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace zelvo
