// The one key handler: review, menu keys, then the keys that work everywhere.
#pragma once

namespace zelvo {

struct Zelvo;

// The thirteen keys the menus receive.
bool ismenukey(int code);

// Handles one key-down with code K and modifier state S.
void Form_KeyDown(Zelvo& z, int KeyCode, int Shift);

}  // namespace zelvo
