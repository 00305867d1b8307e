// The repeating day timer: SDL timer firings delivered as events on the main thread.
#pragma once

#include <SDL2/SDL.h>

#include <atomic>

namespace zelvo {

// SDL runs timer callbacks on a thread of its own; the callback only posts an event, and
// the game's tick runs when the main loop takes that event. At most one firing waits in
// the queue at a time, so a long day or a modal box never leaves a pile of ticks behind.
// The object must outlive SDL's timer thread (SDL_Quit ends it).
class DayTimer {
public:
    DayTimer();
    ~DayTimer();
    DayTimer(const DayTimer&) = delete;
    DayTimer& operator=(const DayTimer&) = delete;

    // Starts firing every periodMs, replacing a timer already running.
    void start(int periodMs);
    void stop();
    bool running() const { return id_ != 0; }

    bool isFiring(const SDL_Event& event) const {
        return shared_.type != 0 && event.type == shared_.type;
    }
    // Takes a firing event out of the count of waiting ones; true when it belongs to the
    // timer now running and should run a tick.
    bool takeFiring(const SDL_Event& event);

private:
    static Uint32 fire(Uint32 interval, void* param);

    // What the timer thread touches.
    struct Shared {
        Uint32 type = 0;                    // our registered event type; 0 if none left
        std::atomic<bool> waiting{false};   // a firing is queued and not yet taken
        std::atomic<Sint32> generation{0};  // which start() a firing belongs to
    };
    Shared shared_;
    SDL_TimerID id_ = 0;
};

}  // namespace zelvo
