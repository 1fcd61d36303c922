// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The review of a deal at the suggestion's level: the computer's choice is strong's choice from the
// review's generator (the suggestion's), the player's arrangement is valued against the very
// picks the candidates met, and the same deal always gets the same review.

#include "game/review.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/card_text.h"
#include "cards/special.h"
#include "game/suggestion.h"

namespace kov {
namespace {

constexpr std::uint32_t HoldingsSeed = 77;

Holding holdingNumber(int i) {
    return holdingOf(dealtHoldings(i + 1, HoldingsSeed)[static_cast<std::size_t>(i)]);
}

// A candidate other than `other` (the first one if there is none), as a player might play.
Arrangement anotherCandidate(const Holding& holding, const Arrangement& other) {
    SeatSearch search;
    ArrangementList list;
    search.arrangeSeat(setOf(holding), list);
    for (const Arrangement& a : list)
        if (!sameArrangement(a, other)) return a;
    return list[0];
}

// The computer's choice is the suggestion's (H) for the same cards, under both options, and playing
// it is worth exactly what the computer's choice is worth: what the player played draws nothing
// and changes no pick.
TEST(Review, TheComputersChoiceIsTheSuggestions) {
    Strategy advisor(strategyOf(AdvisorStrength));
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set})
        for (int h = 0; h < 3; ++h) {
            const Holding holding = holdingNumber(h);
            Random rng(suggestionSeed(setOf(holding)));
            const Arrangement choice = advisor.choose(setOf(holding), option, rng);

            const DealReview review =
                reviewDeal(holding, anotherCandidate(holding, choice), option);
            EXPECT_EQ(review.computer, choice) << h;
            EXPECT_EQ(review.deals, simulatedDealsOf(StrategyKind::Strong));
            EXPECT_EQ(review.option, option);

            const DealReview agreed = reviewDeal(holding, choice, option);
            EXPECT_EQ(agreed.computer, choice);
            EXPECT_TRUE(agreed.sameChoice);
            EXPECT_EQ(agreed.player, choice);
            EXPECT_DOUBLE_EQ(agreed.playerValue, agreed.computerValue);
            EXPECT_DOUBLE_EQ(agreed.computerValue, review.computerValue);
            if (!review.sameChoice) {
                EXPECT_LE(review.playerValue, review.computerValue);
            }
        }
}

// The review's values are the strong evaluation's totals per pairing: three picks a simulated
// deal.
TEST(Review, ValuesArePointsPerPick) {
    const Holding holding = holdingNumber(4);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        Random rng(suggestionSeed(setOf(holding)));
        StrongValues values;
        const Arrangement played = anotherCandidate(holding, Arrangement{});
        evaluateStrong(setOf(holding), {played}, option, 40, rng, values);
        const DealReview review = reviewDeal(holding, played, option, 40);
        const auto chosen = static_cast<std::size_t>(values.chosen);
        const bool chi = option == ScoringOption::Chi;
        EXPECT_DOUBLE_EQ(review.computerValue, (chi ? values.chi : values.set)[chosen] / 120.0);
        EXPECT_DOUBLE_EQ(review.playerValue, (chi ? values.extraChi : values.extraSet)[0] / 120.0);
    }
}

// An arrangement out of order loses every pairing: under the set option exactly -1 on average,
// under the chi option at least a point in each of the three hands.
TEST(Review, IllegalArrangementLosesEveryPairing) {
    const Holding holding = holdingNumber(3);
    Arrangement illegal = anotherCandidate(holding, Arrangement{});
    std::swap(illegal.back, illegal.middle);  // keeps the cards, breaks nothing but the order
    illegal.setCategories(IllegalMarker);

    const DealReview set = reviewDeal(holding, illegal, ScoringOption::Set);
    EXPECT_DOUBLE_EQ(set.playerValue, -1.0);
    EXPECT_FALSE(set.sameChoice);
    EXPECT_GT(set.computerValue, -1.0);
    const DealReview chi = reviewDeal(holding, illegal, ScoringOption::Chi, 10);
    EXPECT_EQ(chi.deals, 10);
    EXPECT_LE(chi.playerValue, -3.0);
    EXPECT_GT(chi.computerValue, chi.playerValue);
}

// The review draws from its own generator seeded from the cards: the same deal, the same review.
TEST(Review, TheSameDealGetsTheSameReview) {
    const Holding holding = holdingNumber(5);
    const Arrangement played = anotherCandidate(holding, Arrangement{});
    const DealReview first = reviewDeal(holding, played, ScoringOption::Chi, 200);
    const DealReview again = reviewDeal(holding, played, ScoringOption::Chi, 200);
    EXPECT_EQ(again.computer, first.computer);
    EXPECT_EQ(again.computerValue, first.computerValue);
    EXPECT_EQ(again.playerValue, first.playerValue);
    EXPECT_EQ(again.sameChoice, first.sameChoice);
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
