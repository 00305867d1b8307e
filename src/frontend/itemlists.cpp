// The Item lists menu: each known list, on or off, and the way back.
#include "content/contentmenus.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/zelvo.h"
#include "persist/progress.h"
#include "setup/newgame.h"
#include "sound/sound.h"
#include "speech/speech.h"

namespace zelvo {

void itemlistsmenu(Zelvo& z, int KeyCode, int Shift, int) {
    GameState& s = z.s;
    const int count = s.listcount;
    cycleme(z, KeyCode, Shift, count + 1, 0);
    const int position = z.s.ui.menuposition;
    if (KeyCode == key::Escape || (KeyCode == key::Enter && position == count + 1)) {
        makesound(z, "\\sounds\\game\\previous.wav", 0, 0, 0, -1);
        entermenu(z, menu::Main, 1);
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
