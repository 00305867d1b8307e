// Text drawn in the game window: the message lines and the text-entry box.
#include "platform/sdl/window_text.h"

#include <algorithm>

#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

constexpr const char* kFontFile =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
// 28 points on a 96 dpi screen: the size the line spacing of 40 pixels and the game's
// characters-per-line rule were made for.
constexpr int kPoints = 28;
constexpr unsigned kDpi = 96;
constexpr int kLineHeight = 40;
constexpr int kLeft = 5;
constexpr int kTop = 15;
constexpr SDL_Color kWhite{255, 255, 255, 255};

}  // namespace

WindowText::WindowText(SDL_Window* window) : window_(window) {
    if (TTF_Init() != 0) {
        problem_ = std::string("SDL2_ttf could not start: ") + TTF_GetError();
        return;
    }
    ttfStarted_ = true;
    font_ = TTF_OpenFontDPI(kFontFile, kPoints, kDpi, kDpi);
    if (!font_) problem_ = std::string("the font could not be loaded: ") + TTF_GetError();
}

WindowText::~WindowText() {
    if (font_) TTF_CloseFont(font_);
    if (ttfStarted_) TTF_Quit();
}

void WindowText::clear(SDL_Surface* surface) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
}

int WindowText::drawLine(SDL_Surface* surface, const std::string& text, int x, int y) {
    if (!font_ || text.empty()) return 0;  // SDL2_ttf refuses to render an empty text
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font_, asUtf8(text).c_str(), kWhite);
    if (!rendered) return 0;
    SDL_Rect where{x, y, rendered->w, rendered->h};
    SDL_BlitSurface(rendered, nullptr, surface, &where);
    const int w = rendered->w;
    SDL_FreeSurface(rendered);
    return w;
}

int WindowText::textWidth(const std::string& text) {
    int w = 0;
    if (!font_ || TTF_SizeUTF8(font_, asUtf8(text).c_str(), &w, nullptr) != 0) return 0;
    return w;
}

void WindowText::showLines(const std::vector<std::string>& lines) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    clear(surface);
    int y = kTop;
    for (const std::string& line : lines) {
        if (y >= surface->h) break;
        drawLine(surface, line, kLeft, y);
        y += kLineHeight;
    }
    SDL_UpdateWindowSurface(window_);
}

std::vector<std::string> WindowText::wrap(const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    size_t i = 0;
    while (i < text.size()) {
        const size_t next = text.find(' ', i);
        const std::string word =
            text.substr(i, next == std::string::npos ? std::string::npos : next - i);
        i = next == std::string::npos ? text.size() : next + 1;
        const std::string wider = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(wider) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = wider;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

SDL_Rect WindowText::drawFrame(SDL_Surface* surface, SDL_Rect frame) {
    SDL_FillRect(surface, &frame, SDL_MapRGB(surface->format, 255, 255, 255));
    SDL_Rect inside{frame.x + 2, frame.y + 2, frame.w - 4, frame.h - 4};
    SDL_FillRect(surface, &inside, SDL_MapRGB(surface->format, 0, 0, 0));
    return inside;
}

void WindowText::showEntry(const std::string& title, const std::string& prompt,
                           const std::string& field) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    clear(surface);
    const int width = std::max(surface->w - 2 * kLeft, 1);
    int y = kTop;
    drawLine(surface, title, kLeft, y);
    y += kLineHeight * 3 / 2;
    for (const std::string& line : wrap(prompt, width)) {
        drawLine(surface, line, kLeft, y);
        y += kLineHeight;
    }
    y += kLineHeight / 2;
    // The frame, with the end of the text kept in view.
    const SDL_Rect inside = drawFrame(surface, SDL_Rect{kLeft, y, width, kLineHeight + 8});
    std::string shown = field + "|";
    while (shown.size() > 1 && textWidth(shown) > inside.w - 8) {
        size_t cut = 1;  // a whole character off the front
        while (cut < shown.size() && (static_cast<unsigned char>(shown[cut]) & 0xC0u) == 0x80u)
            ++cut;
        shown.erase(0, cut);
    }
    SDL_SetClipRect(surface, &inside);
    drawLine(surface, shown, inside.x + 4, inside.y + 2);
    SDL_SetClipRect(surface, nullptr);
    SDL_UpdateWindowSurface(window_);
}

void WindowText::showMessage(const std::string& text) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    clear(surface);
    const int width = std::max(surface->w - 2 * kLeft, 1);
    int y = kTop;
    for (const std::string& line : wrap(text, width)) {
        drawLine(surface, line, kLeft, y);
        y += kLineHeight;
    }
    y += kLineHeight / 2;
    // The button the player presses with Enter, as wide as a short word needs.
    const std::string ok = "OK";
    const int buttonWidth = std::max(textWidth(ok) + 48, 96);
    const SDL_Rect inside = drawFrame(surface, SDL_Rect{kLeft, y, buttonWidth, kLineHeight + 8});
    drawLine(surface, ok, inside.x + (inside.w - textWidth(ok)) / 2, inside.y + 2);
    SDL_UpdateWindowSurface(window_);
}

}  // namespace zelvo
