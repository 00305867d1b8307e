// The menu engine: the enter click, dispatch through the menu table, the cursor.
#include "ui/menus.h"

#include <exception>

#include "core/diagnostics.h"
#include "core/keys.h"
#include "core/zelvo.h"
#include "sound/sound.h"
#include "sound/sounds.h"

namespace zelvo {

const MenuRow* MenuTable::find(int number) const {
    for (int i = 0; i < count; ++i)
        if (rows[i].number == number) return &rows[i];
    return nullptr;
}

const MenuRow* currentmenu(const Zelvo& z) {
    return z.menutable ? z.menutable->find(z.s.ui.menu) : nullptr;
}

void menus(Zelvo& z, int KeyCode, int Shift) {
    const MenuRow* row = currentmenu(z);
    if ((!row || row->enterclick) && KeyCode == key::Enter)
        makesound(z, sounds::Enter, 0, 0, 0, -1);
    if (!row || !row->section) return;
    // A fault in one menu action (a bad number, a missing value) must never end the game:
    // the rest of that action is skipped and play goes on.
    try {
        row->section(z, KeyCode, Shift);
    } catch (const std::exception& e) {
        debuglog(z, std::string("error in menus: ") + e.what());
    }
}

void entermenu(Zelvo& z, int number, int position) {
    z.s.ui.menu = number;
    z.s.ui.menuposition = position;
    menus(z, -1, -1);
}

void cycleme(Zelvo& z, int KeyCode, int Shift, int temp, int flock) {
    (void)Shift;
    int& position = z.s.ui.menuposition;
    if (KeyCode == key::Left || KeyCode == key::Up) {
        position -= 1;
        makesound(z, sounds::Arrows, 0, 0, 0, -1);
    }
    if (KeyCode == key::Right || KeyCode == key::Down) {
        position += 1;
        makesound(z, sounds::Arrows, 0, 0, 0, -1);
    }
    if (position == 99) {
        position = temp;
        return;
    }
    if (flock == 0) {
        if (position <= 0) position = temp;
        if (position > temp) position = 1;
    } else if (flock == 1) {
        if (position <= 0) position = 1;
        if (position > temp) position = temp;
    }
}

bool hasmenu(const Zelvo& z, int number) {
    const MenuRow* row = z.menutable ? z.menutable->find(number) : nullptr;
    return row && row->section;
}

int menuitems(const Zelvo& z) {
    const MenuRow* row = currentmenu(z);
    return row && row->items ? row->items(z) : 0;
}

void movecursor(Zelvo& z, int KeyCode, int Shift) {
    const MenuRow* row = currentmenu(z);
    cycleme(z, KeyCode, Shift, menuitems(z), row && !row->wraps ? 1 : 0);
}

bool endmenucursor(Zelvo& z, int KeyCode, int Shift) {
    movecursor(z, KeyCode, Shift);
    const int items = menuitems(z);
    if (KeyCode == key::Escape) z.s.ui.menuposition = items;
    return KeyCode == key::Enter && z.s.ui.menuposition == items;
}

void goback(Zelvo& z, int number, int position) {
    makesound(z, sounds::Previous, 0, 0, 0, -1);
    entermenu(z, number, position);
}

double modifierstep(int Shift, const ModifierSteps& steps) {
    switch (Shift) {
    case 0:
        return steps.none;
    case mod::Shift:
        return steps.shift;
    case mod::Ctrl:
        return steps.ctrl;
    case mod::Alt:
        return steps.alt;
    default:
        return 0;
    }
}

}  // namespace zelvo
