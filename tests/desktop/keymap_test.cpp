// Checks that SDL key-downs become the game's virtual-key codes and modifier bits.
#include "platform/sdl/keymap.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

SDL_Keysym key(SDL_Keycode sym, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN,
               Uint16 mod = KMOD_NONE) {
    SDL_Keysym k{};
    k.sym = sym;
    k.scancode = scancode;
    k.mod = mod;
    return k;
}

TEST(Keymap, GivesTheGamesCodes) {
    const struct {
        SDL_Keysym key;
        int code;
    } cases[] = {
        {key(SDLK_BACKSPACE), 8},
        {key(SDLK_TAB), 9},
        {key(SDLK_RETURN), 13},
        {key(SDLK_KP_ENTER), 13},
        {key(SDLK_ESCAPE), 27},
        {key(SDLK_SPACE), 32},
        {key(SDLK_PAGEUP), 33},
        {key(SDLK_PAGEDOWN), 34},
        {key(SDLK_LEFT), 37},
        {key(SDLK_UP), 38},
        {key(SDLK_RIGHT), 39},
        {key(SDLK_DOWN), 40},
        {key(SDLK_DELETE), 46},
        {key(SDLK_0), 48},
        {key(SDLK_9), 57},
        {key(SDLK_a), 65},
        {key(SDLK_z), 90},
        {key(SDLK_KP_PLUS), 107},
        {key(SDLK_KP_MINUS), 109},
        {key(SDLK_EQUALS), 187},
        {key(SDLK_COMMA), 188},
        {key(SDLK_MINUS), 189},
        {key(SDLK_PERIOD), 190},
        {key(SDLK_LEFTBRACKET), 219},
        {key(SDLK_RIGHTBRACKET), 221},
        {key(SDLK_LSHIFT), 16},
        {key(SDLK_RSHIFT), 16},
        {key(SDLK_LCTRL), 17},
        {key(SDLK_RCTRL), 17},
        {key(SDLK_LALT), 18},
        {key(SDLK_RALT), 18},
        {key(SDLK_F1), 112},
        {key(SDLK_F12), 123},
        // The keypad's digits with Num Lock, and its cursor keys without.
        {key(SDLK_KP_8, SDL_SCANCODE_KP_8, KMOD_NUM), 104},
        {key(SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM), 96},
        {key(SDLK_KP_8, SDL_SCANCODE_KP_8), 38},
        {key(SDLK_KP_3, SDL_SCANCODE_KP_3), 34},
        // A layout whose keys type other letters: the key's place decides.
        {key(0x0444 /* Cyrillic ef */, SDL_SCANCODE_A), 65},
        {key(0x00E9 /* e acute on the 2 key */, SDL_SCANCODE_2), 50},
        // Keys the game has no name for.
        {key(SDLK_UNKNOWN), 0},
        {key(SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(virtualKey(c.key), c.code) << "SDL key " << c.key.sym;
}

TEST(Keymap, ModifierBitsIgnoreLocksAndSides) {
    const struct {
        Uint16 mod;
        int bits;
    } cases[] = {
        {KMOD_NONE, 0},
        {KMOD_LSHIFT, 1},
        {KMOD_RSHIFT, 1},
        {KMOD_LCTRL, 2},
        {KMOD_RALT, 4},
        {KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT, 7},
        {KMOD_NUM | KMOD_CAPS, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(modifierBits(c.mod), c.bits) << "mod " << c.mod;
    EXPECT_TRUE(isModifierKey(16) && isModifierKey(17) && isModifierKey(18));
    EXPECT_FALSE(isModifierKey(20) || isModifierKey(9));
}

}  // namespace
}  // namespace zelvo
