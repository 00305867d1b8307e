// The menu framework: the enter click, the live-loan count, each menu's section, the cursor.
#include "core/menus.h"

#include <exception>

#include "core/diagnostics.h"
#include "core/keys.h"
#include "core/zelvo.h"
#include "sound/sound.h"

namespace zelvo {

int liveloans(const Zelvo& z) {
    int count = 0;
    for (int i = 1; i <= z.s.game.loancount; ++i) {
        const Loan& loan = z.s.loan[i];
        if (loan.borrower == z.s.game.humanslot && loan.principal + loan.interest > 0) ++count;
    }
    return count;
}

void menus(Zelvo& z, int KeyCode, int Shift) {
    if (z.s.ui.menu != menu::Setup && KeyCode == key::Enter)
        makesound(z, "/sounds/menu/enter.wav", 0, 0, 0, -1);
    const int loans = liveloans(z);
    MenuSection section = menusection(z.s.ui.menu);
    if (!section) return;
    // A fault in one menu action (a bad number, a missing value) must never end the game:
    // the rest of that action is skipped and play goes on.
    try {
        section(z, KeyCode, Shift, loans);
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
        makesound(z, "/sounds/menu/arrows.wav", 0, 0, 0, -1);
    }
    if (KeyCode == key::Right || KeyCode == key::Down) {
        position += 1;
        makesound(z, "/sounds/menu/arrows.wav", 0, 0, 0, -1);
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

}  // namespace zelvo
