// The game's menu table, handed to the menu engine at start-up.
#pragma once

namespace zelvo {

struct MenuTable;

// Every menu of the game, one row each.
const MenuTable& gamemenus();
// True while one of the menus during which days pass is open.
bool isingamemenu(int number);

}  // namespace zelvo
