// The menu engine: dispatch through the menu table, the cursor, and the idioms menus share.
// It names no menu: the game's shell hands it the table.
#pragma once

namespace zelvo {

struct Zelvo;

// A menu's own handling of one key; (-1, -1) is the announcement call.
using MenuSection = void (*)(Zelvo& z, int KeyCode, int Shift);

// One menu, described once.
struct MenuRow {
    int number;
    const char* name;
    int (*items)(const Zelvo& z);  // positions 1..items; null while the menu has no section
    bool wraps;                    // the cursor wraps at the ends, or stops there
    bool dayspass;                 // the day clock runs while it is open
    bool enterclick;               // Enter plays the enter sound before the section runs
    MenuSection section;           // null: the menu takes no keys yet
};

struct MenuTable {
    const MenuRow* rows;
    int count;
    // The row of menu `number`, or null.
    const MenuRow* find(int number) const;
};

// Handles one key in the current menu; menus(z, -1, -1) announces the item under the cursor.
void menus(Zelvo& z, int KeyCode, int Shift);
// Moves the cursor over `temp` items; flock 0 wraps, 1 stops at the ends.
void cycleme(Zelvo& z, int KeyCode, int Shift, int temp, int flock);
// Switches to another menu at `position` and announces it.
void entermenu(Zelvo& z, int number, int position);

// The current menu's row (null before start-up or for a number the table does not know).
const MenuRow* currentmenu(const Zelvo& z);
// True when menu `number` has its section, so that entering it leaves the player keys to use.
bool hasmenu(const Zelvo& z, int number);
// The current menu's item count, from its row and the state.
int menuitems(const Zelvo& z);
// cycleme over the current menu's items, wrapping as its row says.
void movecursor(Zelvo& z, int KeyCode, int Shift);
// The cursor rule of the statement and end menus: move as the row says, Escape goes to the
// last position. True when Enter chose the last position (the way out).
bool endmenucursor(Zelvo& z, int KeyCode, int Shift);
// Going back: the previous sound, then menu `number` at `position` announces itself.
void goback(Zelvo& z, int number, int position);

// The steps of a number that plus and minus change, for the modifier states none, Shift, Ctrl
// and Alt; 0 where that state changes nothing.
struct ModifierSteps {
    double none, shift, ctrl, alt;
};
// The step for modifier state `Shift`, compared as an exact value: a combination such as
// Shift+Ctrl matches none of them and gives 0.
double modifierstep(int Shift, const ModifierSteps& steps);

}  // namespace zelvo
