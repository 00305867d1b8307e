// Text drawn in the game window: the message lines and the text-entry box.
#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <string>
#include <vector>

namespace zelvo {

// White Liberation Sans on black, drawn straight onto the window's surface so that no
// graphics driver is needed. Without the font, drawing only clears the window: the game
// is played by ear and goes on regardless.
class WindowText {
public:
    explicit WindowText(SDL_Window* window);
    ~WindowText();
    WindowText(const WindowText&) = delete;
    WindowText& operator=(const WindowText&) = delete;

    // Why the font is missing, or empty when it is there.
    const std::string& problem() const { return problem_; }

    // Line k at x = 5, y = 40 k + 15.
    void showLines(const std::vector<std::string>& lines);
    // The text-entry box: its title, the prompt wrapped to the window and the typed text
    // in a frame with a caret.
    void showEntry(const std::string& title, const std::string& prompt, const std::string& field);
    // A message box: the text wrapped to the window, then an OK button.
    void showMessage(const std::string& text);

private:
    void clear(SDL_Surface* surface);
    // Draws one line with its top at y; returns its width.
    int drawLine(SDL_Surface* surface, const std::string& text, int x, int y);
    int textWidth(const std::string& text);
    // A white frame two pixels wide around a black inside, which it returns.
    SDL_Rect drawFrame(SDL_Surface* surface, SDL_Rect frame);
    std::vector<std::string> wrap(const std::string& text, int width);

    SDL_Window* window_;
    TTF_Font* font_ = nullptr;
    bool ttfStarted_ = false;
    std::string problem_;
};

}  // namespace zelvo
