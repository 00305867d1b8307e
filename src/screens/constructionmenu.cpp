// The Construction menu: the three projects by the store's size, and ordering one.
#include "core/keys.h"
#include "core/zelvo.h"
#include "finance/loans.h"
#include "screens/screens.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "store/aisles.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

void announce(Zelvo& z, const Project& project, bool offered) {
    const int k = project.aisles;
    if (!offered) {
        const std::string name = z.s.human().storename;
        if (k == 1)
            sayit(z, "Your " + name + " store can not be expanded to hold another aisle.");
        else
            sayit(z, "Your " + name + " store can not be expanded to hold " + std::to_string(k) +
                         " more aisles.");
        return;
    }
    const std::string aisles =
        k == 1 ? "1 additional aisle" : std::to_string(k) + " additional aisles";
    sayit(z, "Expand your store to add " + aisles + " for " + showmoney(project.price) +
                 ".  Construction is expected to last about " + std::to_string(project.days) +
                 " days, and your increased building size will raise your monthly bills by " +
                 showmoney(project.billsbase) + ".");
}

}  // namespace

int constructionmenuitems(const Zelvo&) {
    return static_cast<int>(constructionprojects().size()) + 1;
}

void constructionmenu(Zelvo& z, int KeyCode, int Shift) {
    const int back = storepos::wages(liveloans(z));
    if (KeyCode == key::Escape) {
        returntostore(z, back);
        return;
    }
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (position == constructionmenuitems(z)) {
        previousmenu(z, KeyCode, back);
        return;
    }
    const Project& project = constructionprojects()[position - 1];
    const Store& human = z.s.human();
    const bool offered = human.aislecount + project.aisles <= kMostAisles;
    if (KeyCode != key::Enter)
        announce(z, project, offered);
    else if (!offered)
        return;
    else if (Shift == 0)
        sayit(z, "Hold Shift and press Enter to confirm this construction project.");
    else if (build(z, z.s.game.humanslot, position) == BuildOutcome::CannotAfford)
        cannotafford(z);
    else {
        z.s.ui.menu = menu::Store;
        z.s.ui.menuposition = back;
        sayit(z, "The construction crew begins working on your new addition.");
    }
}

}  // namespace zelvo
