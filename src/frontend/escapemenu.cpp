// The Escape menu of a running game: quit, save, or go back.
#include "core/keys.h"
#include "core/menus.h"
#include "core/prompt.h"
#include "core/zelvo.h"
#include "frontend/frontend.h"
#include "persist/savegame.h"
#include "sound/sound.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

constexpr const char* kItems[] = {"Quit current game and return to the main menu.", "Save game.",
                                  "Return to the game."};

void backtogame(Zelvo& z) {
    z.s.ui.menu = menu::Store;
    z.s.ui.menuposition = 0;
    makesound(z, "\\sounds\\game\\previous.wav", 0, 0, 0, -1);
    menus(z, -1, -1);
}

}  // namespace

void escapemenu(Zelvo& z, int KeyCode, int Shift, int) {
    cycleme(z, KeyCode, Shift, 3, 0);
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
        std::string name =
            askfortext(z, "Enter a file name to save to, or leave blank to cancel.", "Save game");
        if (name.empty())
            sayit(z, "Canceled.");
        else
            savegame(z, name);
    } else {
        backtogame(z);
    }
}

}  // namespace zelvo
