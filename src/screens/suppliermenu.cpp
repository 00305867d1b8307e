// The Supplier menu: the warehouse's offers for one aisle, the order size, the purchase.
#include <algorithm>

#include "core/keys.h"
#include "core/zelvo.h"
#include "finance/loans.h"
#include "market/warehouse.h"
#include "screens/screens.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "store/aislegoods.h"
#include "store/research.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

constexpr int kOrderStep = 10;

// The warehouse's offers: its carried items, in catalogue order. It keeps 28; should it ever
// hold fewer, the menu is shorter and "Previous menu" still comes right after the last offer.
int offercount(const Zelvo& z) {
    int count = 0;
    for (int i = 1; i <= z.s.game.itemcount; ++i) count += z.s.item[i].carried == 1;
    return count;
}

// The item offered at position p: the p-th carried item in catalogue order, or 0.
int offeredat(const Zelvo& z, int p) {
    for (int i = 1; i <= z.s.game.itemcount; ++i)
        if (z.s.item[i].carried == 1 && --p == 0) return i;
    return 0;
}

void announce(Zelvo& z, int item, double unitprice) {
    const Item& it = z.s.item[item];
    const int amount = z.s.ui.buyamount;
    if (amount <= 0) {
        sayit(z, "The warehouse is currently out of " + it.name +
                     ".  Try coming back later after more have been manufactured.");
        return;
    }
    std::string text = "Buy " + std::to_string(amount) + " " + it.name + " for " +
                       showmoney(ordertotal(unitprice, amount)) + " (" + showmoney(unitprice) +
                       " each).";
    if (it.warehousestock == 1)
        text += "  There is only 1 available.";
    else
        text += "  There are " + std::to_string(it.warehousestock) + " available.";
    text += "  Press plus or minus to order a different amount.  ";
    if (researchprice(z.s.human()) > 0)
        text += "Press Backspace to pay your market research team " + showmoney(kResearchPrice) +
                " to investigate this item for you.";
    else
        text +=
            "Press Backspace to have your market research team investigate this item for "
            "you.";
    sayit(z, text);
}

void purchase(Zelvo& z, int item, double unitprice, int loans) {
    const int p = z.s.game.humanslot;
    const int aisle = z.s.ui.selectedaisle;
    const RestockOutcome outcome = restockaisle(z, p, aisle, item, z.s.ui.buyamount, unitprice);
    if (outcome == RestockOutcome::CannotAfford) {
        cannotafford(z);
        return;
    }
    z.s.ui.menu = menu::Store;
    z.s.ui.menuposition = storepos::aisle(loans, aisle);
    const std::string delivered =
        "Purchase complete.  The warehouse delivers a shipment of "
        "goods to " +
        z.s.store[p].storename + ".  ";
    if (outcome == RestockOutcome::NewPrice)
        sayit(z, delivered +
                     "Your employees priced them at 20% above what you paid, but you "
                     "may wish to adjust that.");
    else
        sayit(z, delivered +
                     "Your employees are still using the same sale price that you used "
                     "before.  You may wish to adjust that.");
}

}  // namespace

int suppliermenuitems(const Zelvo& z) {
    return offercount(z) + 1;
}

void suppliermenu(Zelvo& z, int KeyCode, int Shift) {
    const int loans = liveloans(z);
    UI& ui = z.s.ui;
    if (KeyCode == key::Escape) {
        returntostore(z, storepos::aisle(loans, ui.selectedaisle) - 1);
        return;
    }
    movecursor(z, KeyCode, Shift);
    const int position = ui.menuposition;
    const int item = offeredat(z, position);
    if (const int direction = plusminus(KeyCode)) ui.orderamount += direction * kOrderStep;
    ui.orderamount = std::max(ui.orderamount, kOrderStep);
    ui.orderamount =
        std::min(ui.orderamount, z.s.aisle[z.s.game.humanslot][ui.selectedaisle].capacity);
    ui.buyamount = item > 0 ? std::min(ui.orderamount, z.s.item[item].warehousestock) : 0;
    if (position == suppliermenuitems(z)) {
        previousmenu(z, KeyCode, storepos::aisle(loans, ui.selectedaisle) - 1);
        return;
    }
    const double unitprice = warehouseprice(z, item, ui.buyamount);
    const double total = ordertotal(unitprice, ui.buyamount);
    if (KeyCode == key::Enter && ui.buyamount > 0) {
        if (total > z.s.human().money)
            cannotafford(z);
        else if (Shift == 0)
            sayit(z, "Hold Shift and press Enter to confirm buying " +
                         std::to_string(ui.buyamount) + " " + z.s.item[item].name + " for " +
                         showmoney(total) + ".");
        else
            purchase(z, item, unitprice, loans);
    } else if (KeyCode == key::Backspace) {
        itemresearch(z, item, Shift);
    } else {
        announce(z, item, unitprice);
    }
}

}  // namespace zelvo
