// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/suggestion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "cards/special.h"
#include "cards/test_deck.h"
#include "settle/result_rows.h"

namespace kov {
namespace {

// The faces of the suggested cells are exactly the holding's 13 cards.
void expectTheHoldingsCards(const Suggestion& s, const CardSet& holding) {
    std::vector<int> faces(s.cells.begin(), s.cells.end()), dealt;
    for (CardIndex c : cardsOf(holding))
        dealt.push_back(toFaceNumber(c));
    std::sort(faces.begin(), faces.end());
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(faces, dealt);
}

CardSet cellsHand(const Suggestion& s, std::size_t first, std::size_t count) {
    CardSet out;
    for (std::size_t i = first; i < first + count; ++i)
        addCard(out, static_cast<CardIndex>(fromFaceNumber(s.cells[i])));
    return out;
}

// The suggested rows read as the results show them: a straight from its lowest card up (the
// ace below the two in A-2-3-4-5), pairs and triples grouped, the rest from the highest card.
TEST(Suggestion, RowsAreLaidOutAsTheResultsShowThem) {
    const auto rank = [](int face) { return face / 4; };  // ace 0, two 1, ..., king 12
    Evaluator evaluator(ListCapacity, 1);
    // Back 6-7-8-9-10, middle three nines and two queens, front two kings: as suggested.
    const CardSet straight = cardsFromText("6h 7d 8c 9s Th 9h 9d Qc Qs Kh Kd 2c 4s");
    const Suggestion s = suggestArrangement(straight, ScoringOption::Chi, evaluator);
    ASSERT_EQ(s.arrangement.back.category, cat::Straight);
    const std::array<int, 5> back = {s.cells[8], s.cells[9], s.cells[10], s.cells[11], s.cells[12]};
    EXPECT_EQ(rank(back[0]), 5);
    for (std::size_t i = 1; i < back.size(); ++i)
        EXPECT_EQ(rank(back[i]), rank(back[i - 1]) + 1) << i;
    std::mt19937 rng(12);
    for (int k = 0; k < 20; ++k) {
        const CardSet holding = cardsAt(shuffledDeck(rng), 0, 13);
        const Suggestion any = suggestArrangement(holding, ScoringOption::Set, evaluator);
        if (!any.placeable) continue;
        const ResultRows shown = resultRow(Settlement{}, any.arrangement, 0, ScoringOption::Set);
        EXPECT_TRUE(std::equal(any.cells.begin(), any.cells.end(), shown.cards.begin())) << k;
    }
}

// The suggestion is the computer's choice for the holding: the first candidate of the
// evaluation by simulated deals drawn from the holding's own seed. Placed, it is legal.
TEST(Suggestion, TheComputersChoiceForTheHolding) {
    std::mt19937 rng(3);
    Evaluator evaluator(ListCapacity, 2), computer(ListCapacity, 1);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set})
        for (int k = 0; k < 4; ++k) {
            const CardSet holding = cardsAt(shuffledDeck(rng), 0, 13);
            const Suggestion s = suggestArrangement(holding, option, evaluator);
            Deal deal;
            deal.Rows[0] = holdingOf(holding);
            Random own(suggestionSeed(holding));
            computer.evaluateHolding(deal, own, option);
            EXPECT_EQ(s.arrangement, computer.candidates(0)[0]);
            ASSERT_TRUE(s.placeable);
            expectTheHoldingsCards(s, holding);
            Arrangement placed;
            EXPECT_TRUE(evaluateArrangement(placed, cellsHand(s, 0, 3), cellsHand(s, 3, 5),
                                            cellsHand(s, 8, 5)));
            // Asked again, the same advice.
            EXPECT_EQ(suggestArrangement(holding, option, evaluator).arrangement, s.arrangement);
        }
}

// At a strength: what that level's strategy chooses from the holding's own seed, placeable as
// the table needs it, and the same when asked again.
TEST(Suggestion, TheAdvisorsChoiceForTheHolding) {
    std::mt19937 rng(5);
    Strategy advisor(strategyOf(AdvisorStrength)), hard(strategyOf(Strength::Hard));
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set})
        for (int k = 0; k < 2; ++k) {
            const CardSet holding = cardsAt(shuffledDeck(rng), 0, 13);
            const Suggestion s = suggestArrangement(holding, option, advisor);
            Random own(suggestionSeed(holding));
            EXPECT_EQ(s.arrangement, hard.choose(holding, option, own));
            ASSERT_TRUE(s.placeable);
            expectTheHoldingsCards(s, holding);
            EXPECT_EQ(suggestArrangement(holding, option, advisor).arrangement, s.arrangement);
        }
}

TEST(Suggestion, SeedDependsOnTheCardsOnly) {
    const CardSet a = cardsFromText("Ah 2d 4c 6s 8h Td Qc Ks 3h 5d 7c 9s Jh");
    const CardSet b = cardsFromText("Ah 2d 4c 6s 8h Td Qc Ks 3h 5d 7c 9s Js");
    EXPECT_EQ(suggestionSeed(a), suggestionSeed(cardsFromText("Jh 9s 7c 5d 3h Ks Qc Td 8h 6s 4c "
                                                              "2d Ah")));
    EXPECT_NE(suggestionSeed(a), suggestionSeed(b));
}

// Six pairs is claimed on the 13 cards, not laid out; three flushes are laid out to be claimed.
TEST(Suggestion, SpecialHoldings) {
    Evaluator evaluator(ListCapacity, 2);
    const Suggestion pairs = suggestArrangement(
        cardsFromText("Ah Ad 3c 3s 5h 5d 7c 7s 9h 9d Jc Js Kh"), ScoringOption::Chi, evaluator);
    EXPECT_EQ(pairs.special, cat::SixPairs);
    EXPECT_FALSE(pairs.placeable);
    const CardSet flushes = cardsFromText("2h 9h Kh 3d 5d 7d 9d Jd 2c 4c 6c 8c Tc");
    const Suggestion three = suggestArrangement(flushes, ScoringOption::Chi, evaluator);
    EXPECT_EQ(three.special, cat::ThreeFlush);
    ASSERT_TRUE(three.placeable);
    expectTheHoldingsCards(three, flushes);
    Arrangement claimed;
    EXPECT_TRUE(declareSpecial(claimed, cellsHand(three, 0, 3), cellsHand(three, 3, 5),
                               cellsHand(three, 8, 5), CardSet{}, cat::ThreeFlush));
}

// With fewer simulated deals the advice is still a complete, legal arrangement of the cards.
TEST(Suggestion, FewerSimulatedDeals) {
    std::mt19937 rng(8);
    Evaluator evaluator(ListCapacity, 1, false, 5);
    const CardSet holding = cardsAt(shuffledDeck(rng), 13, 13);
    const Suggestion s = suggestArrangement(holding, ScoringOption::Chi, evaluator);
    if (!s.placeable) GTEST_SKIP() << "special holding";
    expectTheHoldingsCards(s, holding);
    Arrangement placed;
    EXPECT_TRUE(
        evaluateArrangement(placed, cellsHand(s, 0, 3), cellsHand(s, 3, 5), cellsHand(s, 8, 5)));
}

}  // namespace
}  // namespace kov
