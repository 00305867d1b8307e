// Bankruptcies and the last store standing.
#include "reports/gameend.h"

#include "core/waits.h"
#include "core/zelvo.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

constexpr const char* kFates[] = {
    " now lives in a cardboard box in the alley behind your store.",
    " ended up in debtors prison.",
    " couldn't stand the idea of failure, and jumped off of a tall building.",
    " can be seen begging for money under the nearby bridge.",
};

}  // namespace

int statementyear(Zelvo& z) {
    return shownyear(z, z.s.calendar.year);
}

std::string ending(const std::string& number) {
    if (number == "11" || number == "12" || number == "13") return number + "th";
    if (number.empty()) return "";
    switch (number.back()) {
    case '1':
        return number + "st";
    case '2':
        return number + "nd";
    case '3':
        return number + "rd";
    case '0':
    case '4':
    case '5':
    case '6':
    case '7':
    case '8':
    case '9':
        return number + "th";
    default:
        return "";
    }
}

void lost(Zelvo& z) {
    if (z.s.game.debugmode == 1) return;
    pausegame(z);
    makesound(z, sounds::Alarm, 0, 0, 0, -1);
    entermenu(z, menu::Lost, 1);
}

void AIlost(Zelvo& z, int p) {
    Store& store = z.s.store[p];
    if (store.active != 1) return;
    if (z.s.game.debugmode != 1) pausegame(z);
    makesound(z, sounds::Pause, 0, 0, 0, -1);
    hold(z, 0.2);
    makesound(z, sounds::Award, 0, 0, 0, -1);
    std::string text = "Falling too behind on its bills, " + store.storename +
                       " went bankrupt.  The store owner " + store.ownername;
    if (p >= 2 && p <= 5) text += kFates[p - 2];
    if (store.employees == 1)
        text += "The 1 person who was working at " + store.storename +
                " has found himself without a job.";
    else if (store.employees > 1)
        text += "The " + std::to_string(store.employees) + " people who were working at " +
                store.storename + " have found themselves without jobs.";
    sayit(z, text);
    store.active = 0;
    store.wage = 0;
    store.employees = 0;
}

void knockout(Zelvo& z) {
    pausegame(z);
    makesound(z, sounds::Award, 0, 0, 0, -1);
    entermenu(z, menu::Knockout, z.s.game.humanslot);
}

}  // namespace zelvo
