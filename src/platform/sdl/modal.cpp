// What the game's modal boxes do with the events that are not their own.
#include "platform/sdl/modal.h"

#include "platform/braille/brlapi_display.h"
#include "platform/sdl/day_timer.h"
#include "platform/sdl/voice_output.h"

namespace zelvo {

namespace {

// As often as the game's own loop asks the display.
constexpr int kBraillePollMs = 100;

}  // namespace

bool modalwait(SDL_Event& e, BrailleDisplay* braille) {
    for (;;) {
        if (braille) braille->pump();
        if (!braille || !braille->listening()) return SDL_WaitEvent(&e) == 1;
        if (SDL_WaitEventTimeout(&e, kBraillePollMs) == 1) return true;
    }
}

void modalbackground(const SDL_Event& e, VoiceOutput& voice, DayTimer& timer,
                     const std::function<void()>& redraw) {
    if (e.type == SDL_WINDOWEVENT) {
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            redraw();
        return;
    }
    if (voice.handle(e)) return;
    if (timer.isFiring(e)) timer.takeFiring(e);
}

}  // namespace zelvo
