// Key codes and modifier bits, as the machine hands them to the game.
#pragma once

namespace zelvo {

namespace key {
constexpr int Backspace = 8, Tab = 9, Enter = 13, Shift = 16, Ctrl = 17, Alt = 18, Escape = 27,
              Space = 32, PageUp = 33, PageDown = 34, Left = 37, Up = 38, Right = 39, Down = 40,
              Delete = 46, Digit0 = 48, Digit9 = 57, C = 67, E = 69, Q = 81, R = 82, W = 87, X = 88,
              Z = 90, KeypadPlus = 107, KeypadMinus = 109, Plus = 187, Comma = 188, Minus = 189,
              Period = 190, F12 = 123, LeftBracket = 219, RightBracket = 221;
}  // namespace key

// Modifier bits of the key state.
namespace mod {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

}  // namespace zelvo
