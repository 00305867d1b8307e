// The modal message box drawn in the game window.
#include "platform/sdl/message_box.h"

#include <SDL2/SDL.h>

#include "platform/sdl/modal.h"
#include "platform/sdl/window_text.h"

namespace zelvo {

void runMessageBox(WindowText& text, VoiceOutput& voice, DayTimer& timer, BrailleDisplay* braille,
                   const std::string& message) {
    text.showMessage(message);
    for (;;) {
        SDL_Event e;
        if (!modalwait(e, braille)) return;
        switch (e.type) {
        case SDL_QUIT:
            SDL_PushEvent(&e);
            return;
        case SDL_KEYDOWN:
            switch (e.key.keysym.sym) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
            case SDLK_ESCAPE:
            case SDLK_SPACE:
                if (!e.key.repeat) return;
                break;
            default:
                break;
            }
            break;
        default:
            modalbackground(e, voice, timer, [&] { text.showMessage(message); });
            break;
        }
    }
}

}  // namespace zelvo
