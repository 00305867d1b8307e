// The Research menu: the check-out and credit reports, the rivals' goods, the price advice.
#include <algorithm>

#include "core/keys.h"
#include "core/zelvo.h"
#include "finance/loans.h"
#include "market/warehouse.h"
#include "market/wheels.h"
#include "screens/screens.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "store/research.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

constexpr int kCheckout = 1, kCredit = 2, kFirstRival = 3;

// The joint between entry k and the next of a list of c: ", ", then ", and " before the last.
std::string joint(int k, int c) {
    if (k < c - 1) return ", ";
    if (k == c - 1) return ", and ";
    return "";
}

void checkoutreport(Zelvo& z) {
    const Calendar& calendar = z.s.calendar;
    const int since = (calendar.day - 1) + (calendar.month - 1) * 30 + (calendar.year - 1) * 360;
    const int f = std::min(since, kCrowdDays);
    int d = 0;
    for (int day = 1; day <= f; ++day) d += z.s.human().crowdhistory[day] == 1;
    const std::string days = std::to_string(f);
    std::string text;
    if (f == 0)
        text = "There is no check-out data yet.";
    else if (f == 1 && d == 0)
        text = "Yesterday everything ran smoothly in the check-out lines.";
    else if (f == 1)
        text = "Yesterday customers left the store to avoid crowded check-out lines.";
    else if (d == 0)
        text = "In the past " + days + " days, everything ran smoothly in the check-out lines.";
    else if (d == 1)
        text = "Of the past " + days +
               " days, there was 1 day when customers left the store to avoid crowded check-out "
               "lines.";
    else
        text = "Of the past " + days + " days, there were " + std::to_string(d) +
               " days when customers left the store to avoid crowded check-out lines.";
    if (f >= 1 && d == 0)
        text +=
            "  It is possible that you have more employees than you really need.  Firing a few "
            "of them might reduce costs without affecting your sales.";
    else if (f >= 1)
        text +=
            "  You may need more employees.  Hiring more employees allow your customers to move "
            "through the check-out lines faster, and they help keep the store organized while "
            "people shop.";
    sayit(z, text);
}

void rivalreport(Zelvo& z, int s) {
    const std::string name = z.s.store[s].storename;
    const int aisles = z.s.store[s].aislecount;
    int c = 0, u = 0;
    for (int a = 1; a <= aisles; ++a) {
        const Aisle& aisle = z.s.aisle[s][a];
        c += aisle.item > 0 && aisle.stock > 0;
        u += aisle.item < 0;
    }
    std::string list;
    int k = 0;
    for (int a = 1; a <= aisles; ++a) {
        const Aisle& aisle = z.s.aisle[s][a];
        if (aisle.item <= 0 || aisle.stock <= 0) continue;
        ++k;
        list += z.s.item[aisle.item].name + " for " + showmoney(aisle.price) + "(" +
                showmoney(warehouseprice(z, aisle.item, 1)) + " at warehouse)" + joint(k, c);
    }
    const std::string building = std::to_string(u) + " aisles under construction.";
    if (c == 0 && u == 0)
        sayit(z, name + " doesn't seem to be selling anything right now.");
    else if (c == 0)
        sayit(z, name + " doesn't seem to be selling anything right now, but they do have " +
                     (u == 1 ? "1 aisle under construction." : building));
    else if (u == 0)
        sayit(z, name + " is selling " + list + ".");
    else
        sayit(z, name + " is selling " + list + ".  They also have " +
                     (u == 1 ? "1 aisle under construction." : building));
}

void rivalitem(Zelvo& z, int s, int KeyCode, int Shift) {
    const Store& rival = z.s.store[s];
    Store& human = z.s.human();
    if (rival.active == 0) {
        sayit(z, rival.storename + " went out of business.  One less rival to worry about.");
        return;
    }
    const double cost = rivalreportprice(z, z.s.game.humanslot, s);
    if (KeyCode != key::Enter) {
        const std::string offer =
            "Send your team to find out what " + rival.storename + " is selling.";
        sayit(z, researchprice(human) > 0 ? offer + "  This will cost you " + showmoney(cost) + "."
                                          : offer);
        return;
    }
    if (payforreport(z, Shift, cost, "Enter", "your research team")) rivalreport(z, s);
}

// How one aisle's price compares with what the customers asked believe.
std::string verdict(double estimate, double price) {
    // A price of 0 gives the goods away, whatever the customers believe them worth.
    if (price <= 0) return " is too cheap";
    const double ratio = estimate / price;
    if (ratio > 1.1) return " is too cheap";
    if (ratio < 0.9) return " is too expensive";
    return " is fine";
}

void advice(Zelvo& z) {
    const int p = z.s.game.humanslot;
    const int aisles = z.s.store[p].aislecount;
    int c = 0;
    for (int a = 1; a <= aisles; ++a) c += z.s.aisle[p][a].item > 0;
    std::string list;
    int k = 0;
    for (int a = 1; a <= aisles; ++a) {
        const Aisle& aisle = z.s.aisle[p][a];
        if (aisle.item <= 0) continue;
        ++k;
        const double estimate = adviceestimate(z, aisle.item);
        list += z.s.item[aisle.item].name + verdict(estimate, aisle.price) +
                (k == c ? "." : joint(k, c));
    }
    sayit(z,
          "Our research team just talked to 5 random customers about your prices.  They believe " +
              list + "  Keep in mind that not all customers will agree with these 5.");
}

void adviceitem(Zelvo& z, int KeyCode, int Shift) {
    const int p = z.s.game.humanslot;
    Store& human = z.s.human();
    int c = 0;
    for (int a = 1; a <= human.aislecount; ++a) c += z.s.aisle[p][a].item > 0;
    const double cost = adviceprice(z, p);
    if (KeyCode != key::Enter || c == 0) {
        if (c == 0)
            sayit(z, "You team can not yet give you general advice about your store's prices.");
        else if (cost > 0)
            sayit(z,
                  "Pay " + showmoney(cost) + " to get general advice about your store's prices.");
        else
            sayit(z, "Get general advice about your store's prices.");
        return;
    }
    if (payforreport(z, Shift, cost, "Enter", "general advice")) advice(z);
}

}  // namespace

int researchmenuitems(const Zelvo& z) {
    return z.s.game.playercount + 3;
}

void researchmenu(Zelvo& z, int KeyCode, int Shift) {
    if (KeyCode == key::Escape) {
        returntostore(z, storepos::Summary);
        return;
    }
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    const int players = z.s.game.playercount;
    if (position == kCheckout)
        checkoutreport(z);
    else if (position == kCredit)
        sayit(z, creditratingtext(z.s.human().creditrating));
    else if (position <= players + 1)
        rivalitem(z, position - 1, KeyCode, Shift);
    else if (position == players + 2)
        adviceitem(z, KeyCode, Shift);
    else
        previousmenu(z, KeyCode, storepos::Summary);
}

}  // namespace zelvo
