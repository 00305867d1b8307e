// The repeating day timer: SDL timer firings delivered as events on the main thread.
#include "platform/sdl/day_timer.h"

#include <algorithm>

namespace zelvo {

DayTimer::DayTimer() {
    const Uint32 type = SDL_RegisterEvents(1);
    if (type != static_cast<Uint32>(-1)) shared_.type = type;
}

DayTimer::~DayTimer() {
    stop();
}

Uint32 DayTimer::fire(Uint32 interval, void* param) {
    auto* shared = static_cast<Shared*>(param);
    if (!shared->waiting.exchange(true)) {
        SDL_Event event{};
        event.type = shared->type;
        event.user.code = shared->generation.load();
        if (SDL_PushEvent(&event) != 1) shared->waiting = false;
    }
    return interval;
}

void DayTimer::start(int periodMs) {
    stop();
    if (shared_.type == 0) return;
    // A firing still queued from the old timer no longer counts; a new one may queue.
    ++shared_.generation;
    shared_.waiting = false;
    id_ = SDL_AddTimer(static_cast<Uint32>(std::max(periodMs, 1)), fire, &shared_);
}

void DayTimer::stop() {
    if (id_ == 0) return;
    SDL_RemoveTimer(id_);
    id_ = 0;
    ++shared_.generation;
}

bool DayTimer::takeFiring(const SDL_Event& event) {
    // Stale firings (from a stopped or replaced timer) must not clear the mark of the
    // current timer's firing that may be queued behind them.
    if (event.user.code != shared_.generation.load()) return false;
    shared_.waiting = false;
    return id_ != 0;
}

}  // namespace zelvo
