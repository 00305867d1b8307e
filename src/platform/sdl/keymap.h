// SDL key-downs turned into the game's virtual-key codes and modifier bits.
#pragma once

#include <SDL2/SDL_keyboard.h>

namespace zelvo {

// The game's code for a key, or 0 for a key the game has no name for.
int virtualKey(const SDL_Keysym& key);
// Shift 1, Ctrl 2, Alt 4.
int modifierBits(Uint16 mod);
// Shift, Ctrl and Alt themselves, whose auto-repeats the game must not see.
bool isModifierKey(int code);

}  // namespace zelvo
