// The Main menu: new game, help, loading, the content editors and the way out.
#include "core/keys.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "frontend/frontend.h"
#include "persist/loadgame.h"
#include "persist/savelist.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"
#include "ui/prompt.h"

namespace zelvo {

namespace {

constexpr const char* kItems[] = {
    "New game",     "About the game", "Load game", "Customize game items", "Customize AI opponents",
    "Exit the game"};

void act(Zelvo& z, int position) {
    UI& ui = z.s.ui;
    switch (position) {
    case 1:
        ui.menu = menu::Setup;
        ui.menuposition = 0;
        sayit(z, "Set up your game.");
        break;
    case 2:
        entermenu(z, menu::About, 1);
        break;
    case 3: {
        std::string name = askfortext(z, "Enter the file name to load, or leave blank to cancel.",
                                      "Load game", savechoices(z));
        if (name.empty())
            sayit(z, "Canceled.");
        else
            loadgame(z, name);
        break;
    }
    case 4:
        if (z.s.listcount == 1)
            sayit(z, "No items.txt files were detected in the Zelvo folder.");
        else
            entermenu(z, menu::ItemLists, 1);
        break;
    case 5:
        entermenu(z, menu::CustomAI, 1);
        break;
    case 6:
        sayit(z, "Good bye.");
        hold(z, 1);
        endprogram(z);
    }
}

}  // namespace

void mainmenu(Zelvo& z, int KeyCode, int Shift) {
    UI& ui = z.s.ui;
    // Enter on the freshly opened menu steps onto the first item rather than the last.
    if (ui.menuposition == 0 && KeyCode == key::Enter) KeyCode = key::Right;
    movecursor(z, KeyCode, Shift);
    if (KeyCode == key::Escape) ui.menuposition = 6;
    if (KeyCode == key::Enter)
        act(z, ui.menuposition);
    else
        sayit(z, kItems[ui.menuposition - 1]);
}

}  // namespace zelvo
