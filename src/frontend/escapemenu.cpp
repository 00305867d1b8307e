// The Escape menu of a running game: quit, save, or go back.
#include "core/keys.h"
#include "core/zelvo.h"
#include "frontend/frontend.h"
#include "persist/savegame.h"
#include "persist/savelist.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"
#include "ui/prompt.h"

namespace zelvo {

namespace {

constexpr const char* kItems[] = {"Quit current game and return to the main menu.", "Save game.",
                                  "Return to the game."};

void backtogame(Zelvo& z) {
    goback(z, menu::Store, 0);
}

}  // namespace

void escapemenu(Zelvo& z, int KeyCode, int Shift) {
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (KeyCode == key::Escape) {
        backtogame(z);
    } else if (KeyCode != key::Enter) {
        sayit(z, kItems[position - 1]);
    } else if (position == 1) {
        // Quitting loses the game, so it wants a modifier held with Enter.
        if (Shift == 0)
            sayit(z, "Hold Shift and press Enter to confirm quitting your current game.");
        else
            entermenu(z, menu::Main, 0);
    } else if (position == 2) {
        std::string name = askfortext(z, "Enter a file name to save to, or leave blank to cancel.",
                                      "Save game", savechoices(z));
        if (name.empty())
            sayit(z, "Canceled.");
        else
            savegame(z, name);
    } else {
        backtogame(z);
    }
}

}  // namespace zelvo
