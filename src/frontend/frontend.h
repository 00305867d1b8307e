// The menus around the game: Main, Setup, About and Escape.
#pragma once

namespace zelvo {

struct Zelvo;

void mainmenu(Zelvo& z, int KeyCode, int Shift);
void setupmenu(Zelvo& z, int KeyCode, int Shift);
void aboutmenu(Zelvo& z, int KeyCode, int Shift);
void escapemenu(Zelvo& z, int KeyCode, int Shift);

}  // namespace zelvo
