// Bills and loan payments: all or nothing, lateness, credit and the end of a store.
#include <gtest/gtest.h>

#include "sim/payments.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

TEST(Bills, AllOrNothingWithTheMonthsBehind) {
    const struct {
        double cash;
        int latebefore, lateafter;
        double cashafter;
        int credit;
    } cases[] = {
        {1500, 1, 2, 1500, 700},  // 1,600 due: nothing is paid
        {1600, 1, 0, 0, 721},     // exactly the amount due pays it
        {900, 0, 0, 100, 721},
    };
    for (const auto& c : cases) {
        StartedGame game;
        Store& store = game.z.s.store[3];
        store.money = c.cash;
        store.billsmonthslate = c.latebefore;
        paybills(game.z);
        EXPECT_EQ(store.billsmonthslate, c.lateafter) << c.cash;
        EXPECT_DOUBLE_EQ(store.money, c.cashafter) << c.cash;
        EXPECT_EQ(store.creditrating, c.credit) << c.cash;
    }
}

TEST(Bills, ThePlayerHearsTheAlarmOrTheCoins) {
    StartedGame game;
    GameState& s = game.z.s;
    for (int p = 2; p <= 5; ++p) s.store[p].active = 0;
    s.human().money = 100;
    game.z.rng.script({0.5});
    paybills(game.z);
    EXPECT_EQ(game.take(), Lines{"sound: sounds/game/alarm.wav 0 -3000"});
    s.human().money = 5000;
    game.z.rng.script({0.7, 0.0});
    paybills(game.z);
    EXPECT_EQ(game.take(), Lines{"sound: sounds/game/coins2.wav -1000 -1000"});
    EXPECT_DOUBLE_EQ(s.human().money, 5000 - 1600);
    EXPECT_DOUBLE_EQ(s.human().billspaid, 1600);
}

struct LoanGame {
    LoanGame(double principal, double payment, double cash) {
        GameState& s = game.z.s;
        s.game.loancount = 1;
        s.loan[1] = {"Bank", principal, 0, 3, 2.5, payment, 12, 0, 0};
        s.calendar.day = 12;
        s.store[3].money = cash;
    }
    Loan& loan() { return game.z.s.loan[1]; }
    Store& store() { return game.z.s.store[3]; }
    StartedGame game;
};

TEST(Loans, InterestOnThePrincipalThenThePaymentToInterestFirst) {
    LoanGame bank(100000, 669, 10000);
    payloans(bank.game.z);
    EXPECT_DOUBLE_EQ(bank.store().loaninterest, 208.33);
    EXPECT_DOUBLE_EQ(bank.loan().principal, 100000 - (669 - 208.33));
    EXPECT_DOUBLE_EQ(bank.loan().interest, 0);
    EXPECT_DOUBLE_EQ(bank.store().money, 10000 - 669);
    EXPECT_DOUBLE_EQ(bank.loan().totalpaid, 669);

    bank.game.z.s.calendar.day = 13;  // not due today
    payloans(bank.game.z);
    EXPECT_DOUBLE_EQ(bank.loan().totalpaid, 669);
}

TEST(Loans, TheLastPaymentIsCappedAndPaysTheLoanOff) {
    const struct {
        double principal, lastpayment;
    } cases[] = {
        {500, 500 + 1.04},
        {31.94, 31.94 + 0.07},  // leaves a binary crumb of 3.6e-15 unless cents are kept
    };
    for (const auto& c : cases) {
        LoanGame bank(c.principal, 669, 10000);
        payloans(bank.game.z);
        EXPECT_DOUBLE_EQ(bank.loan().totalpaid, c.lastpayment) << c.principal;
        EXPECT_EQ(bank.loan().principal, 0) << c.principal;
        EXPECT_EQ(bank.loan().interest, 0) << c.principal;
        const double cash = bank.store().money;
        const int credit = bank.store().creditrating;
        payloans(bank.game.z);  // paid off: skipped from now on
        EXPECT_EQ(bank.store().money, cash) << c.principal;
        EXPECT_EQ(bank.store().creditrating, credit) << c.principal;
        EXPECT_DOUBLE_EQ(bank.store().loanpaid, c.lastpayment) << c.principal;
    }
}

TEST(Loans, CreditStaysBetween50And800) {
    LoanGame rich(1000, 100, 5000);
    rich.store().creditrating = 800;
    payloans(rich.game.z);
    EXPECT_EQ(rich.store().creditrating, 800);
    LoanGame poor(1000, 100, 50);
    poor.store().creditrating = 55;
    payloans(poor.game.z);
    EXPECT_EQ(poor.store().creditrating, 50);
    EXPECT_EQ(poor.loan().monthslate, 1);
    EXPECT_DOUBLE_EQ(poor.loan().interest, 2.08);  // charged whether or not it is paid
}

TEST(Loans, ThreeMissedPaymentsEndAStoreWhoseBillsArePaid) {
    LoanGame bank(100000, 669, 1000);
    Store& store = bank.store();
    for (int month = 1; month <= 3; ++month) {
        bank.game.z.s.calendar.day = 30;
        paybills(bank.game.z);  // 800 a month: paid while it can be
        bank.game.z.s.calendar.day = 12;
        store.money = 500;  // never enough for the loan (669 and more)
        payloans(bank.game.z);
        EXPECT_EQ(store.active, month < 3 ? 1 : 0) << month;
    }
    EXPECT_EQ(bank.loan().monthslate, 3);
    EXPECT_EQ(store.employees, 0);
    EXPECT_EQ(store.wage, 0);
    const Lines said = bank.game.take();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(),
              "say: Falling too behind on its bills, Neptco went bankrupt.  The store owner "
              "Dezerudi ended up in debtors prison.The 6 people who were working at Neptco have "
              "found themselves without jobs.");
}

}  // namespace
}  // namespace zelvo
