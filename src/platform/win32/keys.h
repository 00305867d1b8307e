// Keyboard messages of the game's window turned into the game's key events.
#pragma once

#include <windows.h>

namespace zelvo {

// The modifier bits the game takes: Shift 1, Ctrl 2, Alt 4.
int modifierBits(bool shift, bool ctrl, bool alt);
// The bits as GetKeyState sees them for the message being handled now.
int currentModifierBits();

struct KeyMessage {
    enum class Kind {
        None,   // nothing for the game: a key-up, a held modifier's repeat, a key with no code
        Key,    // a key-down for the game's key handler
        Close,  // Alt+F4: the player closes the window
    };
    Kind kind = Kind::None;
    int code = 0;
    int state = 0;
};

// What one keyboard message means to the game. Windows's virtual-key codes are the game's
// own, so a key-down hands wParam over as it is, with the modifier bits `modifiers`. A
// modifier key that auto-repeats while held (lParam bit 30: it was already down) is dropped.
// Alt+F4 closes the window as everywhere on Windows; no other Alt combination, and not F10,
// reaches the system menu, because the caller never passes these messages on.
KeyMessage keyMessage(UINT message, WPARAM wParam, LPARAM lParam, int modifiers);

}  // namespace zelvo
