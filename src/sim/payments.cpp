// Bills and loan payments. A store that cannot pay the whole amount pays nothing and falls a
// month behind; three months behind on the bills or on any one loan ends its game.
#include "sim/payments.h"

#include <algorithm>
#include <string>

#include "core/diagnostics.h"
#include "core/numbers.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "finance/banks.h"
#include "reports/gameend.h"
#include "sim/playersounds.h"
#include "sound/sound.h"

namespace zelvo {

namespace {

void bankrupt(Zelvo& z, int store) {
    if (store == z.s.game.humanslot)
        lost(z);
    else
        AIlost(z, store);
}

}  // namespace

void paybills(Zelvo& z) {
    GameState& s = z.s;
    for (int p = 1; p <= s.game.playercount; ++p) {
        Store& store = s.store[p];
        if (store.active != 1) continue;
        const bool human = p == s.game.humanslot;
        const double due = (store.billsmonthslate + 1) * store.monthlybills;
        if (store.money < due) {
            store.billsmonthslate += 1;
            logsecondstore(z, p, "Behind on bills");
            creditpenalty(store, 20);
            if (human) alarmsound(z);
            if (store.billsmonthslate >= 3) bankrupt(z, p);
        }
        if (store.money >= due) {
            store.money -= due;
            store.billspaid += due;
            logsecondstore(z, p, "Paying bills $" + numtext(due));
            creditreward(store);
            store.billsmonthslate = 0;
            logsecondstore(z, p, "Caught up on bills");
            if (human) coinsound(z, "coins");
        }
    }
}

void payloans(Zelvo& z) {
    GameState& s = z.s;
    for (int i = 1; i <= s.game.loancount; ++i) {
        Loan& loan = s.loan[i];
        if (roundcents(loan.principal + loan.interest) <= 0 || loan.dueday != s.calendar.day)
            continue;
        const int b = loan.borrower;
        if (b < 1 || b > s.game.playercount) continue;
        Store& store = s.store[b];
        const bool human = b == s.game.humanslot;
        const double interest = roundcents(loan.principal * (loan.apr / 100 / 12));
        loan.interest += interest;
        store.loaninterest += interest;
        double pay = (loan.monthslate + 1) * loan.payment;
        if (pay > loan.principal + loan.interest) pay = loan.principal + loan.interest;
        if (store.money < pay) {
            loan.monthslate += 1;
            logsecondstore(z, b, "Behind on loan #" + std::to_string(i));
            creditpenalty(store, 30);
            if (human) alarmsound(z);
            if (loan.monthslate >= 3) bankrupt(z, b);
        }
        if (store.money >= pay) {
            store.money -= pay;
            store.loanpaid += pay;
            logsecondstore(z, b, "Paying a loan payment $" + numtext(pay));
            creditreward(store);
            loan.totalpaid += pay;
            // Amounts are whole cents: what the binary sums leave below half a cent is none.
            loan.principal = roundcents(loan.principal - (pay - loan.interest));
            loan.interest = 0;
            if (loan.principal <= 0) logsecondstore(z, b, "Paid off a loan!");
            loan.monthslate = 0;
            logsecondstore(z, b, "Caught up on loan #" + std::to_string(i));
            if (human) coinsound(z, "coins");
        }
    }
}

}  // namespace zelvo
