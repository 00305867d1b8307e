// The X11 id of an SDL window, for BRLTTY. Kept apart because SDL_syswm.h brings in
// Xlib's macros.
#include "platform/sdl/x11_window.h"

#include <SDL2/SDL_syswm.h>

namespace zelvo {

long x11WindowId(SDL_Window* window) {
    if (!window) return -1;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info)) return -1;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (info.subsystem == SDL_SYSWM_X11) return static_cast<long>(info.info.x11.window);
#endif
    return -1;
}

}  // namespace zelvo
