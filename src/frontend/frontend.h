// The menus around the game: Main, Setup, About and Escape.
#pragma once

namespace zelvo {

struct Zelvo;

void mainmenu(Zelvo& z, int KeyCode, int Shift, int loans);
void setupmenu(Zelvo& z, int KeyCode, int Shift, int loans);
void aboutmenu(Zelvo& z, int KeyCode, int Shift, int loans);
void escapemenu(Zelvo& z, int KeyCode, int Shift, int loans);

}  // namespace zelvo
