// The menu framework every menu shares: dispatch, cursor movement, the live-loan count.
#pragma once

namespace zelvo {

struct Zelvo;

namespace menu {
constexpr int Main = 1, Setup = 2, About = 3, Escape = 4, Store = 5, Loan = 6, Construction = 7,
              Supplier = 8, Research = 9, Lost = 10, Statement = 11, Knockout = 12, Final = 13,
              Addon = 14, ItemLists = 15, CustomAI = 16;
}

// A menu's own handling of one key; `loans` is the player's live-loan count L.
using MenuSection = void (*)(Zelvo& z, int KeyCode, int Shift, int loans);

// Handles one key in the current menu; menus(z, -1, -1) announces the item under the cursor.
void menus(Zelvo& z, int KeyCode, int Shift);
// Moves the cursor over `temp` items; flock 0 wraps, 1 stops at the ends.
void cycleme(Zelvo& z, int KeyCode, int Shift, int temp, int flock);
// The player's loans that still have something owed.
int liveloans(const Zelvo& z);
// Switches to another menu at `position` and announces it.
void entermenu(Zelvo& z, int number, int position);

// The section of each menu number; a number without one takes no keys yet.
MenuSection menusection(int number);

}  // namespace zelvo
