// The Store menu's aisle items, and the market research report on one item.
#include "core/keys.h"
#include "core/zelvo.h"
#include "market/wheels.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "store/aislegoods.h"
#include "store/research.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

std::string salessentence(const Aisle& aisle) {
    const int s = aisle.sold, d = aisle.saledays;
    const std::string past =
        d == 1 ? " in the past day." : " in the past " + std::to_string(d) + " days.";
    if (s == 0) return "  None have sold" + past;
    if (s == 1) return "  1 has sold" + past;
    return "  " + std::to_string(s) + " have sold" + past;
}

void aislereport(Zelvo& z, int n) {
    const Store& human = z.s.human();
    const Aisle& aisle = z.s.aisle[z.s.game.humanslot][n];
    const std::string number = "Aisle #" + std::to_string(n);
    const std::string reset = aisle.saledays > 0 ? "  Press R to reset the sales counter." : "";
    const std::string sales = aisle.saledays > 0 ? salessentence(aisle) : "";
    if (aisle.item < 0) {
        sayit(z, number + " is under construction.  It is expected to be complete in about " +
                     std::to_string(-aisle.item) + " days.");
        return;
    }
    if (aisle.item == 0) {
        sayit(z, number + " is empty but can hold up to " + std::to_string(aisle.capacity) +
                     " items." + sales +
                     "  Press Enter to place an order for more merchandise.  Press Backspace to "
                     "rearrange this space so that it can hold more items." +
                     reset);
        return;
    }
    std::string text = number + " has " + std::to_string(aisle.stock) + " of " +
                       std::to_string(aisle.capacity) + " " + z.s.item[aisle.item].name +
                       ".  List price is " + showmoney(aisle.price) + "." + sales +
                       "  You originally paid " + showmoney(aisle.cost) +
                       " per item.  Press plus or minus to adjust the price you are selling "
                       "these for.";
    if (aisle.stock > 0) {
        text += "  Press Delete to sell all of these items to a scrap dealer for " +
                showmoney(scrapvalue(z, z.s.game.humanslot, n)) + ".";
        if (researchprice(human) > 0)
            text += "  Press Backspace to pay your market research team " +
                    showmoney(kResearchPrice) + " to investigate this item for you.";
        else
            text += "  Press Backspace to have this item investigated.";
    } else {
        text +=
            "  Press Backspace to do minor reconstruction on this space so that it can hold "
            "10 more items.";
    }
    sayit(z, text + reset);
}

void opensupplier(Zelvo& z, int n) {
    const Aisle& aisle = z.s.aisle[z.s.game.humanslot][n];
    UI& ui = z.s.ui;
    ui.selectedaisle = n;
    ui.orderamount = aisle.capacity;
    ui.menu = menu::Supplier;
    ui.menuposition = 1;
    if (aisle.item > 0 && z.s.item[aisle.item].carried == 1) {
        // The place of the aisle's former goods among the offers, in catalogue order.
        int place = 0;
        for (int i = 1; i <= aisle.item; ++i)
            if (z.s.item[i].carried == 1) ++place;
        ui.menuposition = place;
    }
    sayit(z, "Shop for new merchandise to sell in your store.");
    menus(z, -1, -1);
}

void rebuild(Zelvo& z, int n, int Shift) {
    const Aisle& aisle = z.s.aisle[z.s.game.humanslot][n];
    if (aisle.capacity >= kMostCapacity)
        sayit(z, "It seems this aisle has been expanded as much as is possible.");
    else if (Shift == 0)
        sayit(z,
              "Hold Shift and press Backspace to confirm this.  Rebuilding this section of "
              "the store will make it unusable for a few weeks.");
    else if (rebuildaisle(z, z.s.game.humanslot, n) == RebuildOutcome::Started)
        sayit(z, "In a few weeks this aisle will be able to hold merchandise once again.");
}

void scrap(Zelvo& z, int n, int Shift) {
    const int p = z.s.game.humanslot;
    if (Shift == 0) {
        sayit(z, "Hold Shift and press Delete to confirm selling these " +
                     std::to_string(z.s.aisle[p][n].stock) + " items to a scrap dealer for " +
                     showmoney(scrapvalue(z, p, n)) +
                     ".  This will free up space for you to buy new merchandise.");
        return;
    }
    sellforscrap(z, p, n);
    sayit(z,
          "You have cleared out this aisle to be used for something else.  Your store now "
          "has " +
              showmoney(z.s.store[p].money) + ".");
}

}  // namespace

void aisleitem(Zelvo& z, int n, int KeyCode, int Shift) {
    const int p = z.s.game.humanslot;
    Aisle& aisle = z.s.aisle[p][n];
    const bool bare = aisle.stock == 0 && aisle.item >= 0;
    const bool stocked = aisle.item > 0 && aisle.stock > 0;
    const int direction = plusminus(KeyCode);
    if (KeyCode == key::Enter && bare) {
        opensupplier(z, n);
    } else if (KeyCode == key::Backspace && bare) {
        rebuild(z, n, Shift);
    } else if (direction != 0 && aisle.item > 0) {
        // A sold-out aisle keeps its price for the next shipment of the same goods, and its
        // report offers plus and minus, so they act on it too.
        const double step = modifierstep(Shift, {0.25, 1, 5, 25});
        aisle.price = steppedprice(aisle.price, direction * step);
        sayit(z, showmoney(aisle.price) + " sale price for " + z.s.item[aisle.item].name + ".");
    } else if (KeyCode == key::Delete && stocked) {
        scrap(z, n, Shift);
    } else if (KeyCode == key::Backspace && stocked) {
        itemresearch(z, aisle.item, Shift);
    } else if (KeyCode == key::R && aisle.item >= 0 && aisle.saledays > 0) {
        // An aisle emptied for scrap keeps its counter, and its report offers R.
        resetsalescounter(z, p, n);
        sayit(z, "Counter reset.");
    } else {
        aislereport(z, n);
    }
}

void itemresearch(Zelvo& z, int item, int Shift) {
    if (!payforreport(z, Shift, researchprice(z.s.human()), "Backspace", "market research")) return;
    const double v = estimatevalue(z, item);
    if (Shift == mod::Ctrl) {
        sayit(z, showmoney(v) + " is estimated limit.");
        return;
    }
    const Item& it = z.s.item[item];
    sayit(z, "Report for " + it.name + ", " + it.description +
                 "  We recently surveyed thousands of consumers and believe that the most anyone "
                 "is willing to pay for this item is " +
                 showmoney(v) +
                 ".  Trends change and demand can go up or down, but we believe you'll want to "
                 "price these below that amount at this time.");
}

}  // namespace zelvo
