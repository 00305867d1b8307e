#include "platform/win32/keys.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

using Kind = KeyMessage::Kind;

constexpr LPARAM kFirst = 1;                        // repeat count 1, not down before
constexpr LPARAM kRepeat = 1 | (LPARAM{1} << 30);   // auto-repeat of a held key
constexpr LPARAM kAltHeld = 1 | (LPARAM{1} << 29);  // WM_SYSKEYDOWN's context bit

struct Case {
    const char* what;
    UINT message;
    WPARAM key;
    LPARAM lParam;
    int modifiers;
    Kind kind;
    int code;
    int state;
};

TEST(Keys, MessagesBecomeTheGamesKeyEvents) {
    const Case cases[] = {
        {"Down", WM_KEYDOWN, VK_DOWN, kFirst, 0, Kind::Key, 40, 0},
        {"Enter", WM_KEYDOWN, VK_RETURN, kFirst, 0, Kind::Key, 13, 0},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, kFirst, 0, Kind::Key, 27, 0},
        {"Tab", WM_KEYDOWN, VK_TAB, kFirst, 0, Kind::Key, 9, 0},
        {"Z", WM_KEYDOWN, 'Z', kFirst, 0, Kind::Key, 90, 0},
        {"digit 0", WM_KEYDOWN, '0', kFirst, 0, Kind::Key, 48, 0},
        {"Shift+period", WM_KEYDOWN, VK_OEM_PERIOD, kFirst, 1, Kind::Key, 190, 1},
        {"Ctrl+plus", WM_KEYDOWN, VK_OEM_PLUS, kFirst, 2, Kind::Key, 187, 2},
        {"Shift+Ctrl+minus", WM_KEYDOWN, VK_OEM_MINUS, kFirst, 3, Kind::Key, 189, 3},
        {"keypad plus", WM_KEYDOWN, VK_ADD, kFirst, 0, Kind::Key, 107, 0},
        {"a held arrow repeats", WM_KEYDOWN, VK_DOWN, kRepeat, 0, Kind::Key, 40, 0},
        {"Alt+plus", WM_SYSKEYDOWN, VK_OEM_PLUS, kAltHeld, 4, Kind::Key, 187, 4},
        {"Alt itself", WM_SYSKEYDOWN, VK_MENU, kAltHeld, 4, Kind::Key, 18, 4},
        {"F10", WM_SYSKEYDOWN, VK_F10, kFirst, 0, Kind::Key, 121, 0},
        {"F12", WM_KEYDOWN, VK_F12, kFirst, 0, Kind::Key, 123, 0},
        {"Shift pressed", WM_KEYDOWN, VK_SHIFT, kFirst, 1, Kind::Key, 16, 1},
        {"Shift held", WM_KEYDOWN, VK_SHIFT, kRepeat, 1, Kind::None, 0, 0},
        {"Ctrl held", WM_KEYDOWN, VK_CONTROL, kRepeat, 2, Kind::None, 0, 0},
        {"Alt held", WM_SYSKEYDOWN, VK_MENU, kRepeat | kAltHeld, 4, Kind::None, 0, 0},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, kAltHeld, 4, Kind::Close, 0, 0},
        {"Shift+Alt+F4", WM_SYSKEYDOWN, VK_F4, kAltHeld, 5, Kind::Key, 115, 5},
        {"F4 alone", WM_KEYDOWN, VK_F4, kFirst, 0, Kind::Key, 115, 0},
        {"key-up", WM_KEYUP, VK_DOWN, kFirst, 0, Kind::None, 0, 0},
        {"Alt released", WM_SYSKEYUP, VK_MENU, kFirst, 0, Kind::None, 0, 0},
        {"a typed character", WM_CHAR, 'a', kFirst, 0, Kind::None, 0, 0},
        {"an input method's key", WM_KEYDOWN, VK_PROCESSKEY, kFirst, 0, Kind::None, 0, 0},
        {"no key", WM_KEYDOWN, 0, kFirst, 0, Kind::None, 0, 0},
        {"key 255", WM_KEYDOWN, 255, kFirst, 0, Kind::None, 0, 0},
    };
    for (const Case& c : cases) {
        const KeyMessage got = keyMessage(c.message, c.key, c.lParam, c.modifiers);
        EXPECT_EQ(got.kind, c.kind) << c.what;
        EXPECT_EQ(got.code, c.code) << c.what;
        EXPECT_EQ(got.state, c.state) << c.what;
    }
}

TEST(Keys, ModifierBits) {
    EXPECT_EQ(modifierBits(false, false, false), 0);
    EXPECT_EQ(modifierBits(true, false, false), 1);
    EXPECT_EQ(modifierBits(false, true, false), 2);
    EXPECT_EQ(modifierBits(false, false, true), 4);
    EXPECT_EQ(modifierBits(true, true, true), 7);
}

}  // namespace
}  // namespace zelvo
