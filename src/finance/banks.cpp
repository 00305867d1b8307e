// The six banks, their offers and loans, extra payments, and the credit rules.
#include "finance/banks.h"

#include <algorithm>
#include <cmath>

#include "core/zelvo.h"
#include "finance/loans.h"

namespace zelvo {

namespace {

constexpr Bank kBanks[] = {
    {"Parkside bank", 5000, 8.5, 103, 590, 20},   {"Green lane bank", 15000, 8, 305, 610, 20},
    {"Gold Tree bank", 25000, 7.5, 505, 630, 25}, {"Central bank", 50000, 7, 991, 650, 25},
    {"Imperial bank", 75000, 6.5, 1468, 670, 30}, {"Daytona bank", 100000, 6, 1934, 690, 30},
};

}  // namespace

std::span<const Bank> banks() {
    return kBanks;
}

double apradjustment(int r) {
    if (r > 720) return -0.25;
    if (r > 700) return 0;
    if (r > 680) return 0.25;
    if (r > 660) return 0.5;
    if (r > 640) return 1;
    if (r > 620) return 1.5;
    if (r > 600) return 2.25;
    return 0;
}

Offer loanoffer(const Zelvo& z, int p, int b) {
    const Bank& bank = kBanks[b - 1];
    const int rating = z.s.store[p].creditrating;
    Offer offer{LoanOutcome::Done, bank.apr + apradjustment(rating)};
    if (rating <= bank.refusesat) offer.outcome = LoanOutcome::Refused;
    for (int i = 1; i <= z.s.game.loancount; ++i) {
        const Loan& loan = z.s.loan[i];
        if (loan.lender == bank.name && loan.borrower == p && loan.principal + loan.interest > 0)
            offer.outcome = LoanOutcome::AlreadyOwed;
    }
    return offer;
}

LoanOutcome takeloan(Zelvo& z, int p, int b) {
    const Offer offer = loanoffer(z, p, b);
    if (offer.outcome != LoanOutcome::Done) return offer.outcome;
    if (z.s.game.loancount >= kMaxLoans) return LoanOutcome::ListFull;
    const Bank& bank = kBanks[b - 1];
    Loan& loan = z.s.loan[++z.s.game.loancount];
    loan = Loan{};
    loan.lender = bank.name;
    loan.principal = bank.amount;
    loan.borrower = p;
    loan.apr = offer.apr;
    loan.payment = bank.payment;
    loan.dueday = z.s.calendar.day;
    Store& store = z.s.store[p];
    store.creditrating -= bank.ratingcost;
    store.money += bank.amount;
    sortloans(z);
    return LoanOutcome::Done;
}

PaymentOutcome payextra(Zelvo& z, int i, double amount, double& paid) {
    paid = 0;
    amount = std::floor(amount);
    if (!(amount > 0)) return PaymentOutcome::Canceled;
    Loan& loan = z.s.loan[i];
    Store& store = z.s.store[loan.borrower];
    if (amount > store.money) return PaymentOutcome::CannotAfford;
    amount = std::min(amount, loan.principal + loan.interest);
    store.money -= amount;
    store.loanpaid += amount;
    loan.totalpaid += amount;
    if (loan.principal >= amount) {
        loan.principal -= amount;
    } else {
        loan.interest -= amount - loan.principal;
        loan.principal = 0;
    }
    paid = amount;
    return loan.principal + loan.interest <= 0 ? PaymentOutcome::PaidOff : PaymentOutcome::Done;
}

LoanCatchUp catchuploan(Zelvo& z, int i) {
    Loan& loan = z.s.loan[i];
    Store& store = z.s.store[loan.borrower];
    const double due = std::min(loan.monthslate * loan.payment, loan.principal + loan.interest);
    if (store.money < due) return {false, due};
    store.money -= due;
    store.loanpaid += due;
    loan.totalpaid += due;
    loan.principal -= due - loan.interest;
    loan.interest = 0;
    loan.monthslate = 0;
    return {true, due};
}

void creditpenalty(Store& store, int points) {
    store.creditrating = std::max(50, store.creditrating - points);
}

void creditreward(Store& store) {
    if (store.creditrating < 800) store.creditrating += 1;
}

}  // namespace zelvo
