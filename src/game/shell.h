// The shell's binding to the machine: its events reach the game's handlers, and the menu
// engine gets the game's menu table.
#pragma once

namespace zelvo {

struct Zelvo;

// Binds the machine's key, timer and close events to the game and hands the menu engine its
// table. Start-up does it first; a test that runs no start-up may do it itself.
void bindshell(Zelvo& z);

}  // namespace zelvo
