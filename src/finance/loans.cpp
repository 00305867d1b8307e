// The loan list's order, live loans, worth, and the credit-rating sentence.
#include "finance/loans.h"

#include "core/numbers.h"
#include "core/zelvo.h"

namespace zelvo {

void sortloans(Zelvo& z) {
    auto& loans = z.s.loan;
    int& count = z.s.game.loancount;
    for (int i = count; i >= 1; --i) {
        if (roundcents(loans[i].principal + loans[i].interest) <= 0) {
            for (int j = i; j < count; ++j) loans[j] = loans[j + 1];
            loans[count] = Loan{};
            --count;
        } else if (loans[i].borrower == 1) {
            // Record 0 is the scratch slot the move goes through.
            loans[0] = loans[i];
            for (int j = i; j >= 1; --j) loans[j] = loans[j - 1];
        }
    }
}

int liveloans(const Zelvo& z) {
    int count = 0;
    for (int i = 1; i <= z.s.game.loancount; ++i) {
        const Loan& loan = z.s.loan[i];
        if (loan.borrower == z.s.game.humanslot && loan.principal + loan.interest > 0) ++count;
    }
    return count;
}

double worth(const Zelvo& z, int store) {
    double owed = 0;
    for (int i = 1; i <= z.s.game.loancount; ++i)
        if (z.s.loan[i].borrower == store) owed += z.s.loan[i].principal + z.s.loan[i].interest;
    return z.s.store[store].money - owed;
}

std::string creditratingtext(int r) {
    const std::string rating = std::to_string(r);
    const std::string good =
        ".  Maintaining a good credit rating will improve your interest rates on bank loans.";
    const std::string poor =
        ".  Having a poor credit rating will mean higher interest rates on bank loans.";
    if (r > 720) return "Your credit rating is an impressive " + rating + good;
    if (r > 700) return "Your credit rating is " + rating + ", which is good" + good;
    if (r > 680) return "Your credit rating is " + rating + good;
    if (r > 640) return "Your credit rating is " + rating + ", which is low" + poor;
    if (r > 600) return "Your credit rating is " + rating + ", which is terrible" + poor;
    return "Your credit rating is a dismal " + rating +
           ".  Money lenders wouldn't touch you with a 10 foot pole.";
}

}  // namespace zelvo
