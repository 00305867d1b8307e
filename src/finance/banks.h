// The six banks, what they offer a store by its credit rating, and the credit rules.
#pragma once

#include <span>

namespace zelvo {

struct Store;
struct Zelvo;

struct Bank {
    const char* name;
    double amount;
    double apr;      // base APR in percent
    double payment;  // monthly payment, whatever the APR
    int refusesat;   // refuses a rating at or below this
    int ratingcost;  // the rating falls by this when a loan is accepted
};

// The banks, in the order of the Loan menu.
std::span<const Bank> banks();
// What a rating adds to a bank's base APR.
double apradjustment(int rating);

// Bank b's answer to store p (b from 1 to 6).
enum class LoanOutcome { Done, Refused, AlreadyOwed, ListFull };
struct Offer {
    LoanOutcome outcome;
    double apr;  // the adjusted APR, when the bank lends
};
Offer loanoffer(const Zelvo& z, int p, int b);
// Takes bank b's loan for store p, due on today's day: the amount into its cash, the bank's
// rating cost off its rating, the list sorted. Returns the offer's outcome, or ListFull (and
// nothing done) when the loan list has no free record.
LoanOutcome takeloan(Zelvo& z, int p, int b);

// What an extra payment on a loan came to.
enum class PaymentOutcome { Done, PaidOff, CannotAfford, Canceled };
// Pays `amount` (its whole part) extra on loan record i: principal first, then interest; an
// amount above the balance is lowered to it.
PaymentOutcome payextra(Zelvo& z, int i, double amount, double& paid);

// What catching up on a late loan came to, and the sum it was about.
struct LoanCatchUp {
    bool paid;
    double due;  // the payment times the months late, at most the balance
};
// Pays every late month of loan record i at once, as its due day would, when the borrower's
// cash covers it; nothing changes otherwise.
LoanCatchUp catchuploan(Zelvo& z, int i);

// The credit rules: a missed bill, payment or payroll costs points (never below 50); a bill
// or payment paid on its day earns one (up to 800).
void creditpenalty(Store& store, int points);
void creditreward(Store& store);

}  // namespace zelvo
