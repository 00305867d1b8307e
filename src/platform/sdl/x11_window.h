// The X11 id of an SDL window, for BRLTTY.
#pragma once

#include <SDL2/SDL_video.h>

namespace zelvo {

// -1 when the window is not an X11 window (Wayland, or no window at all).
long x11WindowId(SDL_Window* window);

}  // namespace zelvo
