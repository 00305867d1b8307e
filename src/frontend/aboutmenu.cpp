// The About menu: seven help texts and the way back.
#include "core/keys.h"
#include "core/zelvo.h"
#include "frontend/frontend.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

constexpr const char* kHelp[] = {
    "Zelvo is a store managing game which focuses on spotting market trends.  Players must pay "
    "utility bills, loan payments, employee wages, and of course keep their store stocked with "
    "merchandise.  Spy on your rival stores, pay your market research team to check on new "
    "products, and adjust your wages so that everyone wants to come work for you!",

    "When unpaused (spacebar), each tick you hear represents 1 day passing.  To keep things "
    "simpler, each month has exactly 30 days in the game.  You'll hear a single coin drop "
    "whenever your employees are paid, and a handful of coins whenever a bill was paid.  If you "
    "hear an alarm, it means you fell into negative money or were unable to pay some sort of "
    "bill.  If you ever fall 3 months behind on a loan or bill, you go bankrupt and lose the "
    "game.",

    "Your store has a certain number of aisles, which can each hold 1 type of product.  You can "
    "quickly select the store aisles by pressing the number keys.  When buying merchandise from "
    "the warehouse, amounts can be adjusted with the plus and minus keys.  Almost all times "
    "when you want to raise or lower a number, the plus and minus keys are what you will use.  "
    "You can often hold shift, ctrl, or alt while pressing plus and minus to amplify their "
    "affect.",

    "Employees are an important part to running your store.  Each day you are only able to "
    "serve a certain number of customers, which is equal to twice as many employees as you "
    "have.  This is meant to simulate customers leaving because the lines of your store are "
    "too long.  Hiring more workers means more customers can be served each day.  There are "
    "only ever 100 total employees that you and your rival stores must share.  As the game "
    "progresses and all 100 have been hired, you'll have to raise your pay to encourage some to "
    "leave other stores to join yours.",

    "While the game is unpaused, different sound tones will be played whenever you sell "
    "something.  The tone matches the aisle number that the item sold from.  When time is "
    "ticking away and you no longer hear items selling, you should definitely pause the game to "
    "investigate why.  You might have sold everything and need to restock, or your prices might "
    "be too high and customers are not interested.  Either way, the longer you go without "
    "selling, the further into debt you'll sink.",

    "Every item in the game follows a complicated path, where customer demand goes up and "
    "down.  At different times you can ask your market research team to estimate the value of "
    "an item.  While they can be accurate, keep in mind that the research team is only able to "
    "see 4 of the 5 parts of the math formula the game uses.  This means there will be times "
    "when the research team is quite wrong.  Getting their advice is usually helpful, but be "
    "cautious.",

    "Loans can be your savior, but they can also be quite dangerous.  Minimum payments will "
    "automatically be made each month, but you can always choose to send in extra money that "
    "will go toward the principle of the loan.  Sending in extra can really help cut down on "
    "the total interest you'll pay by the time the loan is finished.  It can be tempting to "
    "grab a few loans, but you could drown in the payments.",

    "Previous menu",
};

}  // namespace

void aboutmenu(Zelvo& z, int KeyCode, int Shift) {
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (KeyCode == key::Escape || (KeyCode == key::Enter && position == menuitems(z))) {
        goback(z, menu::Main, 1);
        return;
    }
    sayit(z, kHelp[position - 1]);
}

}  // namespace zelvo
