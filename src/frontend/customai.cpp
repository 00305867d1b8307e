// The custom AI menu: the computer opponents' names and their stores' names.
#include "core/keys.h"
#include "core/zelvo.h"
#include "frontend/contentmenus.h"
#include "persist/progress.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"
#include "ui/prompt.h"

namespace zelvo {

namespace {

constexpr const char* kOrdinals[] = {"First", "Second", "Third", "Fourth"};

void backtomain(Zelvo& z) {
    goback(z, menu::Main, 1);
}

void ownerposition(Zelvo& z, int KeyCode, int slot) {
    Store& store = z.s.store[slot];
    const int n = slot - 2;
    if (KeyCode == key::Enter) {
        if (askforname(z, store.ownername,
                       "Enter the new name for this AI opponent, or leave blank to cancel.",
                       "Name opponent", "Opponent's name has been changed to "))
            saveprogress(z);
    } else if (KeyCode == key::Backspace) {
        store.ownername = defaultownername(slot);
        sayit(z, std::string("Opponent's name reset back to ") + store.ownername + ".");
        saveprogress(z);
    } else {
        sayit(z, std::string(kOrdinals[n]) + " opponent is named " + store.ownername +
                     ".  Press Enter to set a new name.  Press Backspace to return this "
                     "opponent's name back to the game's default.");
    }
}

void storeposition(Zelvo& z, int KeyCode, int slot) {
    Store& store = z.s.store[slot];
    if (KeyCode == key::Enter) {
        if (askforname(z, store.storename,
                       "Enter the new store name for this AI opponent, or leave blank to cancel.",
                       "Name opponent's store", "Store name has been changed to "))
            saveprogress(z);
    } else if (KeyCode == key::Backspace) {
        store.storename = defaultstorename(slot);
        sayit(z, std::string("Store name reset back to ") + store.storename + ".");
        saveprogress(z);
    } else {
        sayit(z, store.ownername + "'s store is called " + store.storename +
                     ".  Press Enter to set a new name.  Press Backspace to return this store's "
                     "name back to the game's default.");
    }
}

}  // namespace

void customaimenu(Zelvo& z, int KeyCode, int Shift) {
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (KeyCode == key::Escape || (KeyCode == key::Enter && position == menuitems(z))) {
        backtomain(z);
    } else if (position == menuitems(z)) {
        sayit(z, "Previous menu");
    } else if (position % 2 == 1) {
        ownerposition(z, KeyCode, 2 + position / 2);
    } else {
        storeposition(z, KeyCode, 1 + position / 2);
    }
}

}  // namespace zelvo
