// SDL key-downs turned into the game's virtual-key codes and modifier bits.
#pragma once

#include <SDL2/SDL_keyboard.h>

namespace zelvo {

// The game's code for a key, or 0 for a key the game has no name for. The digit row and
// the punctuation keys go by their place (so the top row is digits on every layout), but
// the keys typing plus, comma, minus and period are those keys wherever a layout puts
// them; letters are where the layout prints them.
int virtualKey(const SDL_Keysym& key);
// Shift 1, Ctrl 2, Alt 4.
int modifierBits(Uint16 mod);
// Shift, Ctrl and Alt themselves, whose auto-repeats the game must not see.
bool isModifierKey(int code);

}  // namespace zelvo
