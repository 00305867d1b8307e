// The Item lists menu: each known list, on or off, and the way back.
#include "core/keys.h"
#include "core/zelvo.h"
#include "frontend/contentmenus.h"
#include "persist/progress.h"
#include "setup/newgame.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

void itemlistsmenu(Zelvo& z, int KeyCode, int Shift) {
    GameState& s = z.s;
    const int count = s.listcount;
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (KeyCode == key::Escape || (KeyCode == key::Enter && position == count + 1)) {
        goback(z, menu::Main, 1);
        return;
    }
    if (position == count + 1) {
        sayit(z, "Previous menu");
        return;
    }
    ItemList& list = s.itemlist[position];
    if (KeyCode == key::Enter) {
        if (list.enabled == 0) {
            list.enabled = 1;
            sayit(z, "List enabled.");
            saveprogress(z);
            startusout(z);
        } else {
            list.enabled = 0;
            sayit(z, "List disabled.");
            saveprogress(z);
        }
    } else if (list.enabled == 0) {
        sayit(z, list.name + " list is Disabled.  Press Enter to enable it.");
    } else {
        sayit(z, list.name + " list is Enabled.  This list contains " + std::to_string(list.size) +
                     " items.  Press Enter to disable it.");
    }
}

}  // namespace zelvo
