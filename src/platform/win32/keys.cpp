// Keyboard messages of the game's window turned into the game's key events.
#include "platform/win32/keys.h"

namespace zelvo {
namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr LPARAM kWasDown = LPARAM{1} << 30;

bool isModifierKey(WPARAM key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU;
}

bool isDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

int modifierBits(bool shift, bool ctrl, bool alt) {
    return (shift ? kShift : 0) | (ctrl ? kCtrl : 0) | (alt ? kAlt : 0);
}

int currentModifierBits() {
    return modifierBits(isDown(VK_SHIFT), isDown(VK_CONTROL), isDown(VK_MENU));
}

KeyMessage keyMessage(UINT message, WPARAM wParam, LPARAM lParam, int modifiers) {
    KeyMessage out;
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return out;
    // 0 and 255 are no keys; VK_PROCESSKEY is a key an input method has taken for itself.
    if (wParam == 0 || wParam >= 255 || wParam == VK_PROCESSKEY) return out;
    if (isModifierKey(wParam) && (lParam & kWasDown) != 0) return out;
    if (wParam == VK_F4 && modifiers == kAlt) {
        out.kind = KeyMessage::Kind::Close;
        return out;
    }
    out.kind = KeyMessage::Kind::Key;
    out.code = static_cast<int>(wParam);
    out.state = modifiers;
    return out;
}

}  // namespace zelvo
