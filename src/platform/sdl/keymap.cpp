// SDL key-downs turned into the game's virtual-key codes and modifier bits.
#include "platform/sdl/keymap.h"

namespace zelvo {
namespace {

constexpr int kShift = 16, kCtrl = 17, kAlt = 18;

// The keypad without Num Lock: its keys move the cursor, as they do everywhere else.
int keypadWithoutNumLock(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_KP_0:
        return 45;  // Insert
    case SDLK_KP_1:
        return 35;  // End
    case SDLK_KP_2:
        return 40;
    case SDLK_KP_3:
        return 34;
    case SDLK_KP_4:
        return 37;
    case SDLK_KP_5:
        return 12;  // Clear
    case SDLK_KP_6:
        return 39;
    case SDLK_KP_7:
        return 36;  // Home
    case SDLK_KP_8:
        return 38;
    case SDLK_KP_9:
        return 33;
    case SDLK_KP_PERIOD:
        return 46;
    default:
        return 0;
    }
}

int namedKey(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_TAB:
        return 9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_PAUSE:
        return 19;
    case SDLK_CAPSLOCK:
        return 20;
    case SDLK_ESCAPE:
        return 27;
    case SDLK_SPACE:
        return 32;
    case SDLK_PAGEUP:
        return 33;
    case SDLK_PAGEDOWN:
        return 34;
    case SDLK_END:
        return 35;
    case SDLK_HOME:
        return 36;
    case SDLK_LEFT:
        return 37;
    case SDLK_UP:
        return 38;
    case SDLK_RIGHT:
        return 39;
    case SDLK_DOWN:
        return 40;
    case SDLK_INSERT:
        return 45;
    case SDLK_DELETE:
        return 46;
    case SDLK_KP_MULTIPLY:
        return 106;
    case SDLK_KP_PLUS:
        return 107;
    case SDLK_KP_MINUS:
        return 109;
    case SDLK_KP_PERIOD:
        return 110;
    case SDLK_KP_DIVIDE:
        return 111;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return kCtrl;
    case SDLK_LALT:
    case SDLK_RALT:
        return kAlt;
    default:
        break;
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return 112 + (sym - SDLK_F1);
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return 97 + (sym - SDLK_KP_1);
    if (sym == SDLK_KP_0) return 96;
    return 0;
}

// The key that types one of these characters is that key, on every layout: the game
// names its price and review keys by them.
int characterKey(SDL_Keycode sym) {
    switch (sym) {
    case SDLK_EQUALS:
    case SDLK_PLUS:
        return 187;
    case SDLK_COMMA:
        return 188;
    case SDLK_MINUS:
        return 189;
    case SDLK_PERIOD:
        return 190;
    default:
        return 0;
    }
}

// The code of the key at this place on the keyboards the codes were named for.
int placedKey(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc == SDL_SCANCODE_0) return '0';
    switch (sc) {
    case SDL_SCANCODE_SEMICOLON:
        return 186;
    case SDL_SCANCODE_EQUALS:
        return 187;
    case SDL_SCANCODE_COMMA:
        return 188;
    case SDL_SCANCODE_MINUS:
        return 189;
    case SDL_SCANCODE_PERIOD:
        return 190;
    case SDL_SCANCODE_SLASH:
        return 191;
    case SDL_SCANCODE_GRAVE:
        return 192;
    case SDL_SCANCODE_LEFTBRACKET:
        return 219;
    case SDL_SCANCODE_BACKSLASH:
        return 220;
    case SDL_SCANCODE_RIGHTBRACKET:
        return 221;
    case SDL_SCANCODE_APOSTROPHE:
        return 222;
    default:
        return 0;
    }
}

bool digitRow(SDL_Scancode sc) {
    return sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0;
}

}  // namespace

int virtualKey(const SDL_Keysym& key) {
    const SDL_Keycode sym = key.sym;
    const SDL_Scancode sc = key.scancode;
    // The top row is the digits wherever a layout puts them on Shift (AZERTY's 6 types a
    // minus, which must not lower a price).
    if (digitRow(sc)) return placedKey(sc);
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (!(key.mod & KMOD_NUM))
        if (int code = keypadWithoutNumLock(sym)) return code;
    if (int code = namedKey(sym)) return code;
    if (int code = characterKey(sym)) return code;
    if (int code = placedKey(sc)) return code;
    // Layouts whose letter keys type no Latin letters still have those keys where the
    // game's letter commands expect them.
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
    return 0;
}

int modifierBits(Uint16 mod) {
    return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}

bool isModifierKey(int code) {
    return code == kShift || code == kCtrl || code == kAlt;
}

}  // namespace zelvo
