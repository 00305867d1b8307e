// The Store menu: its layout of items, the summary, the bills and the features item.
#include "core/keys.h"
#include "core/zelvo.h"
#include "features/catalogue.h"
#include "finance/bills.h"
#include "finance/loans.h"
#include "screens/screens.h"
#include "screens/storeitems.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "store/research.h"
#include "ui/menus.h"
#include "ui/prompt.h"

namespace zelvo {

namespace {

void summaryitem(Zelvo& z, int KeyCode) {
    Store& human = z.s.human();
    if (KeyCode == key::Enter) {
        askforname(z, human.storename, "Enter a new store name, or leave blank to cancel.",
                   "Rename store", "This store has been renamed to ");
        return;
    }
    if (KeyCode == key::Backspace && entersubscreen(z, menu::Research, "Market research division."))
        return;
    const Calendar& calendar = z.s.calendar;
    const int year = shownyear(z, calendar.year);
    sayit(z, spokendate(calendar.month, calendar.day, year) + "  Summary for " + human.storename +
                 ".  Press Enter to change the store's name.  Press Backspace to meet with your "
                 "market research team.");
}

void billsitem(Zelvo& z, int KeyCode) {
    Store& human = z.s.human();
    if (KeyCode == key::Enter && human.billsmonthslate > 0) {
        const CatchUp catchup = paylatebills(z, z.s.game.humanslot);
        if (!catchup.paid)
            sayit(z, "You do not have " + showmoney(catchup.due) +
                         " needed to catch up on your bills.");
        else
            sayit(z, "You have paid " + showmoney(catchup.due) +
                         " to catch up on your bills.  Your store has " + showmoney(human.money) +
                         " left.");
        return;
    }
    std::string tail;
    const int late = human.billsmonthslate;
    if (late <= 0)
        tail = " which are due on the 30th of each month.";
    else if (late == 1)
        tail = " which is late by 1 month!  Press Enter to pay this late bill now.";
    else
        tail = " which is late by " + std::to_string(late) +
               " months!  Press Enter to pay these late bills before it is too late!";
    sayit(z, showmoney(human.money) + " available.  Monthly bills are " +
                 showmoney(human.monthlybills) + tail);
}

void featuresitem(Zelvo& z, int KeyCode) {
    if (KeyCode == key::Enter && entersubscreen(z, menu::Addon, "Extra store features.")) return;
    const int n = featurecount(z.s.human());
    std::string text;
    if (n == 0)
        text =
            "Your store does not currently have any extra features.  Press Enter to see "
            "which ones you could add.";
    else if (n == 1)
        text =
            "Your store has 1 extra feature.  Press Enter to view it and see which ones you "
            "could add.";
    else
        text = "Your store has " + std::to_string(n) +
               " extra features.  Press Enter to view them and see which ones you could add.";
    sayit(z, text +
                 "  Extra store features help in a variety of ways, and should not be under "
                 "estimated.");
}

}  // namespace

int storemenuitems(const Zelvo& z) {
    return storepos::construction(liveloans(z)) + z.s.store[z.s.game.humanslot].aislecount;
}

void storemenu(Zelvo& z, int KeyCode, int Shift) {
    // The live loans are counted afresh for every key: a day step between two keys may have
    // paid one off, and every item behind the loans moves with them.
    const int loans = liveloans(z);
    if (KeyCode == key::Escape) {
        goback(z, menu::Escape, 0);
        return;
    }
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (position == storepos::Summary)
        summaryitem(z, KeyCode);
    else if (position == storepos::Bills)
        billsitem(z, KeyCode);
    else if (position == storepos::Features)
        featuresitem(z, KeyCode);
    else if (position == storepos::LoansEntry)
        loansentry(z, KeyCode, Shift);
    else if (position < storepos::employees(loans))
        loanitem(z, position - storepos::LoansEntry, KeyCode, Shift);
    else if (position == storepos::employees(loans))
        employeesitem(z, KeyCode, Shift);
    else if (position == storepos::wages(loans))
        wagesitem(z, KeyCode, Shift);
    else if (position == storepos::construction(loans))
        constructionentry(z, KeyCode, Shift);
    else
        aisleitem(z, position - storepos::construction(loans), KeyCode, Shift);
}

bool entersubscreen(Zelvo& z, int number, const char* words) {
    if (!hasmenu(z, number)) return false;
    z.s.ui.menu = number;
    z.s.ui.menuposition = 0;
    sayit(z, words);
    return true;
}

void returntostore(Zelvo& z, int position) {
    sayit(z, z.s.human().storename + ".");
    goback(z, menu::Store, position);
}

void previousmenu(Zelvo& z, int KeyCode, int position) {
    if (KeyCode == key::Enter)
        returntostore(z, position);
    else
        sayit(z, "Previous menu");
}

int plusminus(int KeyCode) {
    if (KeyCode == key::Plus || KeyCode == key::KeypadPlus) return 1;
    if (KeyCode == key::Minus || KeyCode == key::KeypadMinus) return -1;
    return 0;
}

void cannotafford(Zelvo& z) {
    sayit(z, "You cannot afford this.  Your store has " + showmoney(z.s.human().money) + ".");
    makesound(z, sounds::Error, 0, 0, 0, -1);
}

bool payforreport(Zelvo& z, int Shift, double price, const std::string& key,
                  const std::string& on) {
    Store& human = z.s.human();
    if (human.money < price) {
        cannotafford(z);
        return false;
    }
    if (price > 0 && Shift == 0) {
        sayit(z, "Hold Shift and press " + key + " to confirm spending " + showmoney(price) +
                     " on " + on + ".");
        return false;
    }
    return payforresearch(human, price);
}

}  // namespace zelvo
