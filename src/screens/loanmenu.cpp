// The Loan menu: the six banks' offers to the player, and taking a loan.
#include "core/keys.h"
#include "core/numbers.h"
#include "core/zelvo.h"
#include "finance/banks.h"
#include "finance/loans.h"
#include "reports/gameend.h"
#include "screens/screens.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

constexpr int kBankCount = 6;

void announce(Zelvo& z, const Bank& bank, const Offer& offer) {
    const std::string name = bank.name;
    if (offer.outcome == LoanOutcome::Refused)
        sayit(z, "Based on your credit rating, the " + name +
                     " is not offering you any loan options.");
    else if (offer.outcome == LoanOutcome::AlreadyOwed)
        sayit(z, "Because you already have a loan with " + name +
                     ", they are not offering you any new loan options.");
    else
        sayit(z, "Accept a " + showmoney(bank.amount) + " loan from " + name + ", with an APR of " +
                     numtext(offer.apr) + "%.  Monthly payments will be " +
                     showmoney(bank.payment) + ".");
}

void accept(Zelvo& z, int b) {
    const int p = z.s.game.humanslot;
    if (takeloan(z, p, b) == LoanOutcome::ListFull) {
        sayit(z,
              "The banks are not opening any new loans right now.  Try again once some loans "
              "have been paid off.");
        return;
    }
    z.s.ui.menu = menu::Store;
    z.s.ui.menuposition = storepos::Features;
    sayit(z, "The bank has issued you a new loan.  Payments will be due on the " +
                 ending(std::to_string(z.s.calendar.day)) + " of each month.");
}

}  // namespace

int loanmenuitems(const Zelvo&) {
    return kBankCount + 1;
}

void loanmenu(Zelvo& z, int KeyCode, int Shift) {
    if (KeyCode == key::Escape) {
        returntostore(z, storepos::Features);
        return;
    }
    movecursor(z, KeyCode, Shift);
    const int position = z.s.ui.menuposition;
    if (position == loanmenuitems(z)) {
        previousmenu(z, KeyCode, storepos::Features);
        return;
    }
    const Bank& bank = banks()[position - 1];
    const Offer offer = loanoffer(z, z.s.game.humanslot, position);
    if (KeyCode != key::Enter)
        announce(z, bank, offer);
    else if (offer.outcome != LoanOutcome::Done)
        return;
    else if (Shift == 0)
        sayit(z, "Hold Shift and press Enter to confirm accepting this " + showmoney(bank.amount) +
                     " loan.");
    else
        accept(z, position);
}

}  // namespace zelvo
