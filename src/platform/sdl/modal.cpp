// What the game's modal boxes do with the events that are not their own.
#include "platform/sdl/modal.h"

#include "platform/sdl/day_timer.h"
#include "platform/sdl/voice_output.h"

namespace zelvo {

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
