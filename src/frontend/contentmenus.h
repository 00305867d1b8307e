// The content editors of the Main menu: item lists and the computer opponents' names.
#pragma once

namespace zelvo {

struct Zelvo;

void itemlistsmenu(Zelvo& z, int KeyCode, int Shift);
void customaimenu(Zelvo& z, int KeyCode, int Shift);

}  // namespace zelvo
