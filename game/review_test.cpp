// The review of a deal against the game's own evaluation: the same simulated deals give the same
// totals, the computer's choice is the evaluation's first candidate, and the player's own
// arrangement is valued on the very deals the candidates played.

#include "game/review.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/card_text.h"
#include "cards/special.h"

namespace kov {
namespace {

constexpr std::uint32_t HoldingsSeed = 77;

Holding holdingNumber(int i) {
    return holdingOf(dealtHoldings(i + 1, HoldingsSeed)[static_cast<std::size_t>(i)]);
}

TEST(Review, CandidateTotalsAreTheEvaluations) {
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set})
        for (int h = 0; h < 2; ++h) {
            const Holding holding = holdingNumber(h);
            Evaluator evaluator(ListCapacity, 2);
            Deal deal;
            deal.Rows[0] = holding;
            Random gameRng(reviewSeed(setOf(holding)));
            evaluator.evaluateHolding(deal, gameRng, option);

            Random reviewRng(reviewSeed(setOf(holding)));
            SimulatedValues values;
            simulateWithExtras(holding, {}, option, SimulatedDeals, reviewRng, values);
            ASSERT_EQ(values.candidates.count(), evaluator.candidates(0).count());
            EXPECT_EQ(values.pairings * values.candidates.count(), evaluator.pairingCount());
            EXPECT_EQ(reviewRng.state(), gameRng.state());  // the same draws, no more
            for (int i = 0; i < evaluator.candidates(0).count(); ++i) {
                const Arrangement& a = evaluator.candidates(0)[i];
                const auto* found =
                    std::find(values.candidates.begin(), values.candidates.end(), a);
                ASSERT_NE(found, values.candidates.end()) << i;
                const auto k = static_cast<std::size_t>(found - values.candidates.begin());
                EXPECT_EQ(values.chi[k], evaluator.chiTotal(i)) << i;
                EXPECT_EQ(values.set[k], evaluator.setTotal(i)) << i;
            }

            // The computer's choice is the evaluation's first candidate and its average.
            const DealReview review = reviewDeal(holding, evaluator.candidates(0)[0], option);
            EXPECT_EQ(review.computer, evaluator.candidates(0)[0]);
            const double pairings = static_cast<double>(values.pairings);
            const std::int32_t first =
                option == ScoringOption::Chi ? evaluator.chiTotal(0) : evaluator.setTotal(0);
            EXPECT_DOUBLE_EQ(review.computerValue, first / pairings);
            EXPECT_TRUE(review.sameChoice);
            EXPECT_DOUBLE_EQ(review.playerValue, review.computerValue);
        }
}

// An extra arrangement that happens to be a candidate scores exactly what the candidate scored,
// although it goes through the rule hand by hand rather than the keyed scoring.
TEST(Review, ExtraArrangementsPlayTheSameDeals) {
    const Holding holding = holdingNumber(2);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        SimulatedValues first;
        Random rng(5);
        simulateWithExtras(holding, {}, option, 20, rng, first);
        std::vector<Arrangement> extras;
        for (int i = 0; i < first.candidates.count(); i += 3)
            extras.push_back(first.candidates[i]);
        SimulatedValues again;
        Random same(5);
        simulateWithExtras(holding, extras, option, 20, same, again);
        for (std::size_t e = 0; e < extras.size(); ++e) {
            EXPECT_EQ(again.extraChi[e], first.chi[3 * e]) << e;
            EXPECT_EQ(again.extraSet[e], first.set[3 * e]) << e;
        }
    }
}

// An arrangement out of order loses every pairing: under the set option exactly -1 on average,
// under the chi option at least a point in each of the three hands.
TEST(Review, IllegalArrangementLosesEveryPairing) {
    const Holding holding = holdingNumber(3);
    SimulatedValues values;
    Random rng(9);
    simulateWithExtras(holding, {}, ScoringOption::Chi, 1, rng, values);
    Arrangement illegal = values.candidates[0];
    std::swap(illegal.back, illegal.middle);  // keeps the cards, breaks nothing but the order
    illegal.setCategories(IllegalMarker);

    const DealReview set = reviewDeal(holding, illegal, ScoringOption::Set, 10);
    EXPECT_DOUBLE_EQ(set.playerValue, -1.0);
    EXPECT_FALSE(set.sameChoice);
    EXPECT_EQ(set.deals, 10);
    const DealReview chi = reviewDeal(holding, illegal, ScoringOption::Chi, 10);
    EXPECT_LE(chi.playerValue, -3.0);
    EXPECT_GT(chi.computerValue, chi.playerValue);
}

TEST(Review, SpecialsAreTheSameWhateverTheirSplit) {
    Arrangement claimed, searched;
    const CardSet all = cardsFromText("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Kh");
    claimed.back.cards = claimed.middle.cards = claimed.front.cards = all;
    claimed.setCategories(cat::ThirteenStraight);
    searched.front.cards = cardsFromText("Qs Kh Ah");
    searched.middle.cards = cardsFromText("2d 3c 4s 5h 6d");
    searched.back.cards = cardsFromText("7c 8s 9h Td Jc");
    searched.setCategories(cat::ThirteenStraight);
    EXPECT_TRUE(sameArrangement(claimed, searched));
    searched.setCategories(cat::ThirteenStraightFlush);
    EXPECT_FALSE(sameArrangement(claimed, searched));
}

}  // namespace
}  // namespace kov
