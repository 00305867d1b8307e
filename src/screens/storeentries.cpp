// The Store menu's loan items and its construction entry.
#include "core/keys.h"
#include "core/numbers.h"
#include "core/zelvo.h"
#include "finance/banks.h"
#include "finance/loans.h"
#include "reports/gameend.h"
#include "screens/storeitems.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/prompt.h"

namespace zelvo {

void loansentry(Zelvo& z, int KeyCode, int) {
    if (KeyCode == key::Enter && entersubscreen(z, menu::Loan, "Apply for a new loan.")) return;
    const int loans = liveloans(z);
    if (loans == 0)
        sayit(z, "You do not have any loans.  Press Enter to apply for one.");
    else if (loans == 1)
        sayit(z, "You have 1 loan.  Press Enter to apply for another one.");
    else
        sayit(z, "You have " + std::to_string(loans) +
                     " loans.  Press Enter to apply for another one.");
}

namespace {

// A paid-off loan is sorted out at once, so the Store menu's loan items stay the player's
// live loans; the cursor steps back one place, and Down reaches the item that followed it.
void afterpayment(Zelvo& z, int record) {
    const Loan& loan = z.s.loan[record];
    if (loan.principal + loan.interest > 0) return;
    sortloans(z);
    z.s.ui.menuposition = storepos::LoansEntry + record - 1;
}

void payextratoward(Zelvo& z, int record) {
    const std::string typed =
        askfortext(z,
                   "Enter the amount of extra money you'd like to send in, or leave blank to "
                   "cancel.",
                   "Pay extra toward loan");
    if (typed.find_first_not_of(' ') == std::string::npos) {  // a blank answer, or Escape
        sayit(z, "Canceled.");
        return;
    }
    // A text that is no amount is not a change of mind: the player is told what the box wants.
    const std::optional<double> amount = typedamount(typed);
    if (!amount) {
        sayit(z, "That is not an amount.  Type a whole number of dollars, such as 500.");
        return;
    }
    double paid = 0;
    const PaymentOutcome outcome = payextra(z, record, *amount, paid);
    if (outcome == PaymentOutcome::Canceled)
        sayit(z, "Canceled.");
    else if (outcome == PaymentOutcome::CannotAfford)
        sayit(z, "You do not have that much.");
    else if (outcome == PaymentOutcome::PaidOff)
        sayit(z, "You have paid " + showmoney(paid) + " and completely paid off this loan!");
    else
        sayit(z, "You have paid " + showmoney(paid) + " toward this loan.");
    afterpayment(z, record);
}

void catchup(Zelvo& z, int record) {
    const LoanCatchUp outcome = catchuploan(z, record);
    if (!outcome.paid) {
        sayit(z, "You do not have " + showmoney(outcome.due) +
                     " needed to catch up on this loan payment.");
        return;
    }
    sayit(z, "You have paid " + showmoney(outcome.due) +
                 " to catch up on this loan payment.  Your store has " +
                 showmoney(z.s.human().money) + " left.");
    afterpayment(z, record);
}

}  // namespace

void loanitem(Zelvo& z, int record, int KeyCode, int) {
    const Loan& loan = z.s.loan[record];
    if (KeyCode == key::Enter) {
        if (loan.monthslate <= 0)
            payextratoward(z, record);
        else
            catchup(z, record);
        return;
    }
    std::string text =
        loan.lender + " " + numtext(loan.apr) + "% APR loan costs " + showmoney(loan.payment) + " ";
    if (loan.monthslate <= 0)
        text += "on the " + ending(std::to_string(loan.dueday)) + " day of each month.";
    else if (loan.monthslate == 1)
        text += "and is currently late by 1 month!  Press Enter to pay this late bill now.";
    else
        text += "and is currently late by " + std::to_string(loan.monthslate) +
                " months!  Press Enter to pay these late bills before it is too late!";
    text += "  Principle balance is " + showmoney(loan.principal) + ", Accumulated interest is " +
            showmoney(loan.interest) + ".";
    if (loan.totalpaid > 0)
        text +=
            "  You have spent a total of " + showmoney(loan.totalpaid) + " on this loan so far.";
    text +=
        "  Because interest grows over time, by the time you have finished paying off this "
        "loan, you will have paid much more than you originally borrowed.";
    sayit(z, text);
}

void constructionentry(Zelvo& z, int KeyCode, int) {
    if (KeyCode == key::Enter &&
        entersubscreen(z, menu::Construction, "Hire a construction company to expand your store."))
        return;
    const int p = z.s.game.humanslot;
    const int aisles = z.s.store[p].aislecount;
    int stock = 0, building = 0;
    for (int a = 1; a <= aisles; ++a) {
        const Aisle& aisle = z.s.aisle[p][a];
        if (aisle.item > 0) stock += aisle.stock;
        if (aisle.item < 0) ++building;
    }
    std::string text =
        std::to_string(aisles) + " aisles holding a total of " + std::to_string(stock) + " items.";
    if (building == 1)
        text += "  You have 1 aisle that is under construction.";
    else if (building >= 2)
        text += "  You have " + std::to_string(building) + " aisles that are under construction.";
    sayit(z, text + "  Press Enter to have an addition built onto your store.");
}

}  // namespace zelvo
