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
        {key(SDLK_KP_PLUS), 107},
        {key(SDLK_KP_MINUS), 109},
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
        // Keys the game has no name for.
        {key(SDLK_UNKNOWN), 0},
        {key(SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(virtualKey(c.key), c.code) << "SDL key " << c.key.sym;
}

// What SDL reports for a key on each layout (the character the key types without Shift,
// and its place), and the game's code for it. The digit row and the punctuation keys
// keep the code of their place, as on the keyboards the codes were named for, except that
// the keys that type plus, comma, minus and period are those keys wherever they are;
// letters are where the layout prints them.
TEST(Keymap, KeysOnUsGermanAndFrenchLayouts) {
    const struct {
        const char* layout;
        SDL_Keycode sym;
        SDL_Scancode place;
        int code;
    } cases[] = {
        {"us", SDLK_1, SDL_SCANCODE_1, 49},
        {"us", SDLK_0, SDL_SCANCODE_0, 48},
        {"us", SDLK_a, SDL_SCANCODE_A, 65},
        {"us", SDLK_z, SDL_SCANCODE_Z, 90},
        {"us", SDLK_EQUALS, SDL_SCANCODE_EQUALS, 187},
        {"us", SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
        {"us", SDLK_COMMA, SDL_SCANCODE_COMMA, 188},
        {"us", SDLK_PERIOD, SDL_SCANCODE_PERIOD, 190},
        {"us", SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, 219},
        {"us", SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET, 221},
        {"us", SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186},
        {"us", SDLK_SLASH, SDL_SCANCODE_SLASH, 191},
        {"us", SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 192},
        {"us", SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH, 220},
        {"us", SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},
        {"de", SDLK_4, SDL_SCANCODE_4, 52},
        {"de", SDLK_PLUS, SDL_SCANCODE_RIGHTBRACKET, 187},
        {"de", SDLK_MINUS, SDL_SCANCODE_SLASH, 189},
        {"de", SDLK_COMMA, SDL_SCANCODE_COMMA, 188},
        {"de", SDLK_PERIOD, SDL_SCANCODE_PERIOD, 190},
        {"de", 0xDF /* sharp s */, SDL_SCANCODE_MINUS, 189},
        {"de", 0xFC /* u umlaut */, SDL_SCANCODE_LEFTBRACKET, 219},
        {"de", 0xF6 /* o umlaut */, SDL_SCANCODE_SEMICOLON, 186},
        {"de", SDLK_HASH, SDL_SCANCODE_BACKSLASH, 220},
        {"de", SDLK_z, SDL_SCANCODE_Y, 90},
        {"de", SDLK_y, SDL_SCANCODE_Z, 89},
        {"fr", SDLK_AMPERSAND, SDL_SCANCODE_1, 49},
        {"fr", 0xE9 /* e acute */, SDL_SCANCODE_2, 50},
        {"fr", SDLK_QUOTEDBL, SDL_SCANCODE_3, 51},
        {"fr", SDLK_QUOTE, SDL_SCANCODE_4, 52},
        {"fr", SDLK_LEFTPAREN, SDL_SCANCODE_5, 53},
        {"fr", SDLK_MINUS, SDL_SCANCODE_6, 54},
        {"fr", 0xE8 /* e grave */, SDL_SCANCODE_7, 55},
        {"fr", SDLK_UNDERSCORE, SDL_SCANCODE_8, 56},
        {"fr", 0xE7 /* c cedilla */, SDL_SCANCODE_9, 57},
        {"fr", 0xE0 /* a grave */, SDL_SCANCODE_0, 48},
        {"fr", SDLK_RIGHTPAREN, SDL_SCANCODE_MINUS, 189},
        {"fr", SDLK_EQUALS, SDL_SCANCODE_EQUALS, 187},
        {"fr", SDLK_CARET, SDL_SCANCODE_LEFTBRACKET, 219},
        {"fr", SDLK_DOLLAR, SDL_SCANCODE_RIGHTBRACKET, 221},
        {"fr", SDLK_COMMA, SDL_SCANCODE_M, 188},
        {"fr", SDLK_SEMICOLON, SDL_SCANCODE_COMMA, 188},
        {"fr", SDLK_COLON, SDL_SCANCODE_PERIOD, 190},
        {"fr", SDLK_EXCLAIM, SDL_SCANCODE_SLASH, 191},
        {"fr", SDLK_a, SDL_SCANCODE_Q, 65},
        {"fr", SDLK_q, SDL_SCANCODE_A, 81},
        {"fr", SDLK_z, SDL_SCANCODE_W, 90},
        {"fr", SDLK_w, SDL_SCANCODE_Z, 87},
        {"fr", SDLK_m, SDL_SCANCODE_SEMICOLON, 77},
        // A layout that types no Latin letters: the key's place decides.
        {"ru", 0x0444 /* ef */, SDL_SCANCODE_A, 65},
        {"ru", 0x044F /* ya */, SDL_SCANCODE_Z, 90},
        {"ru", 0x0431 /* be */, SDL_SCANCODE_COMMA, 188},
    };
    for (const auto& c : cases)
        EXPECT_EQ(virtualKey(key(c.sym, c.place)), c.code)
            << c.layout << " layout, SDL key " << c.sym << " at scancode " << c.place;
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
