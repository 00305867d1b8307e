// The rules that menus and computer stores share: bank offers and loans, extra payments,
// feature purchases and construction.
#include <gtest/gtest.h>

#include "features/catalogue.h"
#include "finance/banks.h"
#include "store/aisles.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;

TEST(Banks, OffersFollowTheRatingAndRefuseOrRememberALiveLoan) {
    StartedGame game;
    Zelvo& z = game.z;
    struct Case {
        int rating, bank;
        LoanOutcome outcome;
        double apr;
    } cases[] = {
        {730, 3, LoanOutcome::Done, 7.25}, {720, 6, LoanOutcome::Done, 6},
        {690, 6, LoanOutcome::Refused, 0}, {595, 2, LoanOutcome::Refused, 0},
        {595, 1, LoanOutcome::Done, 8.5},
    };
    for (const Case& c : cases) {
        z.s.human().creditrating = c.rating;
        const Offer offer = loanoffer(z, 1, c.bank);
        EXPECT_EQ(offer.outcome, c.outcome) << c.rating << " at bank " << c.bank;
        if (c.outcome == LoanOutcome::Done) {
            EXPECT_DOUBLE_EQ(offer.apr, c.apr);
        }
    }
    z.s.human().creditrating = 730;
    z.s.calendar.day = 17;
    const double cash = z.s.human().money;
    ASSERT_EQ(takeloan(z, 1, 3), LoanOutcome::Done);
    EXPECT_EQ(z.s.human().creditrating, 705);
    EXPECT_DOUBLE_EQ(z.s.human().money, cash + 25000);
    ASSERT_EQ(z.s.loan[2].lender, "Gold Tree bank");  // the player's loans stand first
    EXPECT_EQ(z.s.loan[2].dueday, 17);
    EXPECT_DOUBLE_EQ(z.s.loan[2].apr, 7.25);
    z.s.human().creditrating = 500;
    EXPECT_EQ(loanoffer(z, 1, 3).outcome, LoanOutcome::AlreadyOwed);
}

TEST(Banks, ExtraPaymentsPayThePrincipalFirstAndStopAtTheBalance) {
    StartedGame game;
    Zelvo& z = game.z;
    Loan& loan = z.s.loan[1];
    z.s.human().money = 1000;
    double paid = 0;
    EXPECT_EQ(payextra(z, 1, 0.5, paid), PaymentOutcome::Canceled);
    EXPECT_EQ(payextra(z, 1, 5000, paid), PaymentOutcome::CannotAfford);
    loan.principal = 100;
    loan.interest = 20;
    EXPECT_EQ(payextra(z, 1, 110.75, paid), PaymentOutcome::Done);
    EXPECT_DOUBLE_EQ(paid, 110);
    EXPECT_DOUBLE_EQ(loan.principal, 0);
    EXPECT_DOUBLE_EQ(loan.interest, 10);
    EXPECT_EQ(payextra(z, 1, 500, paid), PaymentOutcome::PaidOff);
    EXPECT_DOUBLE_EQ(paid, 10);
    EXPECT_DOUBLE_EQ(z.s.human().money, 880);
}

TEST(Features, InsuranceLevelsReplaceTheOneBelowAndCashLimitsThePrice) {
    StartedGame game;
    Zelvo& z = game.z;
    Store& store = z.s.human();
    store.money = 500;
    store.features.clear();
    const double bills = store.monthlybills;
    EXPECT_EQ(buyfeature(z, 1, tag::BottleReturn), FeatureOutcome::CannotAfford);
    EXPECT_EQ(buyfeature(z, 1, tag::Insurance1), FeatureOutcome::Done);
    EXPECT_EQ(buyfeature(z, 1, tag::Insurance2), FeatureOutcome::Done);
    EXPECT_EQ(store.features, tag::Insurance2);
    EXPECT_DOUBLE_EQ(store.monthlybills, bills + 2000);
    EXPECT_EQ(buyfeature(z, 1, tag::Insurance2), FeatureOutcome::AlreadyOwned);
    store.money = -1;
    EXPECT_EQ(buyfeature(z, 1, tag::MailAds), FeatureOutcome::CannotAfford);
    EXPECT_EQ(featurecount(store), 1);
}

// A store holds a feature when its tag stands anywhere in its features text, however the
// text came to be and however often it changes in place; the answers are kept between
// questions, never past a change.
TEST(Features, AStoreHoldsATagWhereverItStandsInTheText) {
    Store store;
    const std::string pharmacy = tag::Pharmacy;  // the tag spelled out, not the catalogue's
    const char* texts[] = {
        "",
        "[pharmacy]",
        "[tvads]xyz",  // as long as the one before
        "x[pharmacy]y",
        "[[pharmacy]",
        "[pharmacy",
        "[insurance1][insurance2][mailads]",
        "[mailads][boardads][radioads][tvads][pharmacy][breakroom][securit",
        "[extracarts][bottlereturn][decorations][customerservice][rewardsprogram]",
        "[parkinglotlights][sensorstrip][security][lotsecurity][employeelounge]",
        "[employeebonus][researchteam][insurance3]",
    };
    // Through more texts than are kept, twice, each changed in place and by assignment.
    for (int round = 0; round < 2; ++round) {
        for (const char* text : texts) {
            store.features = text;
            for (std::size_t flip = 0; flip <= store.features.size(); ++flip) {
                if (flip > 0) store.features[flip - 1] ^= 0x20;  // a letter's case, in place
                for (const Feature& feature : featurecatalogue())
                    ASSERT_EQ(hasfeature(store, feature.tag),
                              store.features.find(feature.tag) != std::string::npos)
                        << store.features << " " << feature.tag;
                ASSERT_EQ(hasfeature(store, pharmacy.c_str()),
                          store.features.find(pharmacy) != std::string::npos)
                    << store.features;
                if (flip > 0) store.features[flip - 1] ^= 0x20;
            }
        }
    }
}

TEST(Construction, ProjectsStopAtTenAislesAndBuildUnderConstruction) {
    StartedGame game;
    Zelvo& z = game.z;
    Store& store = z.s.human();
    store.money = 45000;  // exactly the price
    const double bills = store.monthlybills;
    ASSERT_EQ(store.aislecount, 4);
    EXPECT_EQ(build(z, 1, 2), BuildOutcome::Done);
    EXPECT_EQ(store.aislecount, 6);
    EXPECT_DOUBLE_EQ(store.monthlybills, bills + 300);
    EXPECT_EQ(z.s.aisle[1][5].item, -30);
    EXPECT_EQ(z.s.aisle[1][6].item, -30);
    EXPECT_EQ(build(z, 1, 1), BuildOutcome::CannotAfford);
    store.aislecount = 8;
    store.money = 1e6;
    EXPECT_EQ(build(z, 1, 3), BuildOutcome::TooBig);
    EXPECT_EQ(build(z, 1, 2), BuildOutcome::Done);
    EXPECT_EQ(build(z, 1, 1), BuildOutcome::TooBig);
}

}  // namespace
}  // namespace zelvo
