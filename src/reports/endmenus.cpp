// The statement and end screens: Lost, Monthly statement, Knockout and Final menus.
#include <algorithm>
#include <array>

#include "core/keys.h"
#include "core/zelvo.h"
#include "finance/loans.h"
#include "reports/gameend.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "store/aisles.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

std::string dateline(Zelvo& z) {
    return saymonth(z.s.calendar.month) + " " + std::to_string(z.s.calendar.day) + ", " +
           std::to_string(statementyear(z));
}

std::string worthtext(const Zelvo& z, int store) {
    return showmoney(worth(z, store));
}

std::string reminder(int month, int year) {
    static const char* const december[] = {"  You have 4 years left to grow your empire.",
                                           "  You have 3 years left to grow your empire.",
                                           "  You have 2 years left to grow your empire.",
                                           "  You have only 1 year left to grow your empire."};
    static const char* const other[] = {"  You have more than 4 years left to grow your empire.",
                                        "  You have more than 3 years left to grow your empire.",
                                        "  You have more than 2 years left to grow your empire.",
                                        "  You have more than 1 year left to grow your empire.",
                                        "  You have less than 1 year left to grow your empire!"};
    if (year < 1 || year > 5) return "";
    if (month == 12) return year <= 4 ? december[year - 1] : "";
    return other[year - 1];
}

}  // namespace

void lostmenu(Zelvo& z, int KeyCode, int Shift) {
    const int players = z.s.game.playercount;
    if (endmenucursor(z, KeyCode, Shift)) {
        entermenu(z, menu::Main, 1);
        return;
    }
    const int position = z.s.ui.menuposition;
    if (position == 1) {
        sayit(z, "With too many unpaid bills, the bank has seized your property on " + dateline(z) +
                     ".  Enjoy bankruptcy " + z.s.human().ownername + "!  Game over.");
    } else if (position <= players) {
        const Store& store = z.s.store[position];
        if (store.active != 1) {
            sayit(z, store.storename + " went bankrupt before you.");
            return;
        }
        sayit(z, store.storename + " owner " + store.ownername + " is currently worth " +
                     worthtext(z, position) + ", once loan debt is factored in.  The store has " +
                     std::to_string(store.aislecount) + " aisles able to hold " +
                     std::to_string(totalcapacity(z, position)) +
                     " total pieces of merchandise.  The store employs " +
                     std::to_string(store.employees) + " people, who are being paid " +
                     showmoney(store.wage) + " per hour.");
    } else {
        sayit(z, "Return to the main menu");
    }
}

void statementmenu(Zelvo& z, int KeyCode, int Shift) {
    const auto& lines = z.List2;
    const int count = static_cast<int>(lines.size());
    if (endmenucursor(z, KeyCode, Shift)) {
        entermenu(z, menu::Store, 1);
        return;
    }
    const int position = z.s.ui.menuposition;
    if (position <= count)
        sayit(z, lines[static_cast<std::size_t>(position - 1)]);
    else
        sayit(z, "Return to game." + reminder(z.s.calendar.month, z.s.calendar.year));
}

void knockoutmenu(Zelvo& z, int KeyCode, int Shift) {
    if (endmenucursor(z, KeyCode, Shift)) {
        entermenu(z, menu::Main, 1);
        return;
    }
    const int human = z.s.game.humanslot;
    switch (z.s.ui.menuposition) {
    case 1:
        sayit(z, "On " + dateline(z) + ", " + z.s.human().storename +
                     " became the last of the large stores in the area.  You have outlasted "
                     "your competition and become the dominant store chain.  Well done!");
        break;
    case 2:
        sayit(z, "You are currently worth " + worthtext(z, human) +
                     ", once loans are taken into account.");
        break;
    case 3:
        sayit(z, "Your store had grown to hold " + std::to_string(z.s.human().aislecount) +
                     " aisles, with a total storage capacity of " +
                     std::to_string(totalcapacity(z, human)) + " items.");
        break;
    default:
        sayit(z, "Thank you for playing.  Return to the main menu");
    }
}

void finalmenu(Zelvo& z, int KeyCode, int Shift) {
    const int players = z.s.game.playercount;
    if (endmenucursor(z, KeyCode, Shift)) {
        entermenu(z, menu::Main, 1);
        return;
    }
    // The ranking: the greatest worth first; on equal worth the later slot wins.
    std::array<double, kStoreSlots> worths{};
    std::array<bool, kStoreSlots> placed{};
    std::array<int, kStoreSlots> ranking{};
    for (int p = 1; p <= players; ++p)
        worths[static_cast<std::size_t>(p)] = std::max(worth(z, p), -9999999.0);
    for (int place = 1; place <= players; ++place) {
        int best = 0;
        for (int p = 1; p <= players; ++p) {
            auto i = static_cast<std::size_t>(p);
            if (!placed[i] && (best == 0 || worths[i] >= worths[static_cast<std::size_t>(best)]))
                best = p;
        }
        placed[static_cast<std::size_t>(best)] = true;
        ranking[static_cast<std::size_t>(place)] = best;
    }

    const int position = z.s.ui.menuposition;
    if (position == 1) {
        sayit(z,
              "You have survived all 5 years!  As a final slap, every play was charged their "
              "yearly 20% tax.");
    } else if (position <= players + 1) {
        const int place = position - 1;
        const int s = ranking[static_cast<std::size_t>(place)];
        const Store& store = z.s.store[s];
        std::string text = store.storename + " was in " + ending(std::to_string(place)) + " place.";
        if (store.active != 1)
            text += "  " + store.storename + " went bankrupt before making it this far.";
        else if (s == z.s.game.humanslot)
            text +=
                "  You are currently worth " + worthtext(z, s) + ", once loan debt is factored in.";
        else
            text += "  Store owner " + store.ownername + " is currently worth " + worthtext(z, s) +
                    ", once loan debt is factored in.";
        sayit(z, text);
    } else {
        sayit(z, "Thank you for playing.  Return to the main menu");
    }
}

}  // namespace zelvo
