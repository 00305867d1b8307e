// How a game ends: bankruptcies, the last store standing, the ranking, and their menus.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// The player's store went bankrupt: the Lost menu ends the game.
void lost(Zelvo& z);
// A computer store went bankrupt and leaves the game.
void AIlost(Zelvo& z, int p);
// Every computer store is gone: the Knockout menu.
void knockout(Zelvo& z);
// "1" gives "1st", "12" gives "12th", "23" gives "23rd".
std::string ending(const std::string& number);

// The year the statements name: the computer's year plus the game year less one.
int statementyear(Zelvo& z);

void lostmenu(Zelvo& z, int KeyCode, int Shift);
void statementmenu(Zelvo& z, int KeyCode, int Shift);
void knockoutmenu(Zelvo& z, int KeyCode, int Shift);
void finalmenu(Zelvo& z, int KeyCode, int Shift);

}  // namespace zelvo
