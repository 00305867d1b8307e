// The Setup menu: the player's name, the store's name, the difficulty, and the start.
#include "core/keys.h"
#include "core/zelvo.h"
#include "frontend/frontend.h"
#include "persist/progress.h"
#include "setup/newgame.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"
#include "ui/prompt.h"

namespace zelvo {

namespace {

const char* const kIntroduction =
    "It has always been your dream to grow a business into a thriving empire.  After securing "
    "a loan from the bank, you purchased a small store in a new area where neighborhoods are "
    "first being built.  You are not alone however, as other men and women have started their "
    "own stores.  With everyone trying to root themselves into this new area, you will have 5 "
    "years to prove yourself as the dominant store brand.  If you can become powerful enough "
    "by then, the community will be so used to shopping at your store, that you should "
    "maintain your empire for decades.  Good luck!";

const char* const kDifficultyItem[] = {
    "Difficulty: Easy.  You will start with more money and your opponents start with less.  "
    "Press Enter to change it.",
    "Difficulty: Normal.  Press Enter to change it.",
    "Difficulty: Hard.  You will start with less money and your opponents start with more.  "
    "Press Enter to change it."};

const char* const kDifficultyChanged[] = {"Difficulty changed to Easy mode.",
                                          "Difficulty changed to Normal mode.",
                                          "Difficulty changed to Hard mode."};

void speakitem(Zelvo& z, int position) {
    const Store& human = z.s.human();
    switch (position) {
    case 1:
        sayit(z, "Your name is " + human.ownername + ".  Press Enter to change it.");
        break;
    case 2:
        sayit(z, "Your store is called " + human.storename + ".  Press Enter to change it.");
        break;
    case 3: {
        int difficulty = z.s.game.difficulty;
        if (difficulty >= 1 && difficulty <= 3) sayit(z, kDifficultyItem[difficulty - 1]);
        break;
    }
    case 4:
        sayit(z, "Begin game.");
    }
}

void act(Zelvo& z, int position) {
    Store& human = z.s.human();
    switch (position) {
    case 1:
        if (askforname(z, human.ownername, "Enter your name, or leave blank to cancel.",
                       "Set your name", "Name set to "))
            saveprogress(z);
        break;
    case 2:
        if (askforname(z, human.storename, "Enter your store's name, or leave blank to cancel.",
                       "Set store name", "Store name set to "))
            saveprogress(z);
        break;
    case 3: {
        int& difficulty = z.s.game.difficulty;
        difficulty = difficulty >= 3 || difficulty < 1 ? 1 : difficulty + 1;
        sayit(z, kDifficultyChanged[difficulty - 1]);
        saveprogress(z);
        break;
    }
    case 4:
        startusout(z);
        z.s.clock.paused = 1;
        z.s.ui.menu = menu::Store;
        z.s.ui.menuposition = 0;
        sayit(z, kIntroduction);
    }
}

}  // namespace

void setupmenu(Zelvo& z, int KeyCode, int Shift) {
    movecursor(z, KeyCode, Shift);
    if (KeyCode == key::Escape) {
        // The one way back that is announced before its sound: the Main menu's "New game"
        // is heard first, and the previous sound closes it.
        entermenu(z, menu::Main, 1);
        makesound(z, sounds::Previous, 0, 0, 0, -1);
    } else if (KeyCode == key::Enter) {
        act(z, z.s.ui.menuposition);
    } else {
        speakitem(z, z.s.ui.menuposition);
    }
}

}  // namespace zelvo
