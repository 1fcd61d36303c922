// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/arranging_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "cards/test_deck.h"
#include "game/game_flow.h"

namespace kov {
namespace {

// A table with the given front, middle and back laid out, nothing left in the hand row.
GameState laidOut(const CardSet& front, const CardSet& middle, const CardSet& back) {
    GameState g;
    std::size_t i = 0;
    for (const CardSet* hand : {&front, &middle, &back})
        for (CardIndex c : cardsOf(*hand))
            g.TableGrid[ArrangementRow][i++] = toFaceNumber(c);
    g.ArrangedCount = static_cast<int>(i);
    g.HandCount = 13 - g.ArrangedCount;
    return g;
}

TEST(ArrangingNotes, NamesFullHandsAndTheHandsOutOfOrder) {
    GameState g = laidOut(cardsFromText("Ah Ad 2c"), cardsFromText("3h 5d 7c 9s Jh"),
                          cardsFromText("Kh Kd 4c 4s 6h"));
    ArrangingNotes notes = arrangingNotes(g);
    EXPECT_EQ(notes.handCategories[0], cat::Pair);
    EXPECT_EQ(notes.handCategories[1], cat::Trash);
    EXPECT_EQ(notes.handCategories[2], cat::TwoPairs);
    EXPECT_TRUE(notes.frontOverMiddle);
    EXPECT_FALSE(notes.middleOverBack);
    const CommitQuestion question = commitQuestion(g, Commit::regular());
    EXPECT_EQ(question.kind, CommitQuestion::Kind::IllegalRegular);
    EXPECT_TRUE(question.frontOverMiddle);
    EXPECT_FALSE(question.middleOverBack);

    // Partly laid out: only the full hands are named, and no order is judged yet.
    g.TableGrid[ArrangementRow][4] = EmptyCell;
    g.ArrangedCount = 12;
    g.HandCount = 1;
    notes = arrangingNotes(g);
    EXPECT_EQ(notes.handCategories[1], std::nullopt);
    EXPECT_EQ(notes.handCategories[2], cat::TwoPairs);
    EXPECT_FALSE(notes.outOfOrder());
    EXPECT_FALSE(notes.frontOverMiddle);
}

// The order the notes report is the rules' own verdict: out of order exactly when the rules
// mark the arrangement ILLEGAL, over many random layouts.
TEST(ArrangingNotes, OutOfOrderExactlyWhenTheRulesSayIllegal) {
    std::mt19937 rng(7);
    int illegal = 0, both = 0;
    for (int k = 0; k < 4000; ++k) {
        const TestDeck deck = shuffledDeck(rng);
        const DealtHands h = dealtHands(deck, 0);
        GameState g = laidOut(h.front, h.middle, h.back);
        const ArrangingNotes notes = arrangingNotes(g);
        Arrangement a;
        const bool legal = evaluateArrangement(a, h.front, h.middle, h.back);
        ASSERT_EQ(notes.outOfOrder(), !legal) << cardList(cardsOf(h.back));
        const CommitQuestion question = commitQuestion(g, Commit::regular());
        ASSERT_EQ(question.kind == CommitQuestion::Kind::None, legal);
        ASSERT_EQ(question.frontOverMiddle, notes.frontOverMiddle);
        ASSERT_EQ(question.middleOverBack, notes.middleOverBack);
        illegal += !legal;
        both += notes.frontOverMiddle && notes.middleOverBack;
    }
    EXPECT_GT(illegal, 1000);
    EXPECT_GT(both, 10);
}

TEST(ArrangingNotes, SpecialsTheCardsMake) {
    // Three flushes, dealt in a mixed order: found whatever the layout.
    const CardSet flushes = cardsFromText("2h 9h Kh 3d 5d 7d 9d Jd 2c 4c 6c 8c Tc");
    EXPECT_EQ(specialsMade(flushes), std::vector<HandCategory>{cat::ThreeFlush});
    const CardSet straights = cardsFromText("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Kh");
    const std::vector<HandCategory> s = specialsMade(straights);
    EXPECT_NE(std::find(s.begin(), s.end(), cat::ThreeStraight), s.end());
    EXPECT_NE(std::find(s.begin(), s.end(), cat::ThirteenStraight), s.end());
    EXPECT_EQ(s, (std::vector<HandCategory>{cat::ThreeStraight, cat::ThirteenStraight}));
    const CardSet pairs = cardsFromText("Ah Ad 3c 3s 5h 5d 7c 7s 9h 9d Jc Js Kh");
    EXPECT_EQ(specialsMade(pairs), std::vector<HandCategory>{cat::SixPairs});
    // One card off the three straights: none.
    EXPECT_TRUE(specialsMade(cardsFromText("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Qh")).empty());
}

TEST(ArrangingNotes, QuestionsBeforeAClaimTheCardsDoNotSupport) {
    GameState g;
    const CardSet trash = cardsFromText("Ah 2d 4c 6s 8h Td Qc Ks 3h 5d 7c 9s Jh");
    g.HandCount = 13;
    std::size_t i = 0;
    for (CardIndex c : cardsOf(trash))
        g.TableGrid[HandRow][i++] = toFaceNumber(c);
    CommitQuestion question = commitQuestion(g, Commit::of(cat::SixPairs));
    EXPECT_EQ(question.kind, CommitQuestion::Kind::IllegalClaim);
    EXPECT_EQ(question.claim, cat::SixPairs);
    // A supported claim needs no question, placed or not.
    GameState pairs = laidOut(cardsFromText("Ah Ad Kh"), cardsFromText("3c 3s 5h 5d 7c"),
                              cardsFromText("7s 9h 9d Jc Js"));
    EXPECT_EQ(commitQuestion(pairs, Commit::of(cat::SixPairs)).kind, CommitQuestion::Kind::None);
    // 3 flush the cards make, laid out otherwise.
    GameState flushes = laidOut(cardsFromText("2h 9h 3d"), cardsFromText("Kh 5d 7d 9d Jd"),
                                cardsFromText("2c 4c 6c 8c Tc"));
    question = commitQuestion(flushes, Commit::of(cat::ThreeFlush));
    EXPECT_EQ(question.kind, CommitQuestion::Kind::IllegalClaimAsLaidOut);
    EXPECT_EQ(question.claim, cat::ThreeFlush);
}

}  // namespace
}  // namespace kov
