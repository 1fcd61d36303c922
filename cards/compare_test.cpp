// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/compare.h"
#include "cards/test_deck.h"

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"

namespace kov {
namespace {

CardSet S(const char* t) {
    return cardsFromText(t);
}

TEST(StraightKey, AceLowAndAceHigh) {
    EXPECT_EQ(straightKey(S("Ah 2d 3c 4s 5h")), 0);
    EXPECT_EQ(straightKey(S("2h 3d 4c 5s 6h")), 1);
    EXPECT_EQ(straightKey(S("9h Td Jc Qs Kh")), 8);
    EXPECT_EQ(straightKey(S("Th Jd Qc Ks Ah")), 9);
    EXPECT_TRUE(lessFive(S("Ah 2d 3c 4s 5h"), S("2h 3d 4c 5s 6h"), cat::Straight));
    EXPECT_TRUE(lessFive(S("9h Td Jc Qs Kh"), S("Th Jd Qc Ks Ah"), cat::Straight));
}

TEST(LessFive, SuitsNeverBreakATie) {
    const CardSet a = S("4h 5d 6c 7s 8h"), b = S("4d 5c 6s 7h 8d");
    EXPECT_FALSE(lessFive(a, b, cat::Straight));
    EXPECT_FALSE(lessFive(b, a, cat::Straight));
    EXPECT_TRUE(equalFive(a, b, cat::Straight));
}

TEST(LessFive, OrdersWithinCategories) {
    EXPECT_FALSE(lessFive(S("Ah 9d 5c 4s 3h"), S("Kh Qd Jc Ts 8h"), cat::Trash));
    EXPECT_TRUE(lessFive(S("Kh Qd 7c 4s 2h"), S("Kd Qc 7s 4h 3d"), cat::Trash));
    EXPECT_TRUE(lessFive(S("8h 8d Ac 5s 2h"), S("8c 8s Ad 6h 2d"), cat::Pair));
    EXPECT_FALSE(lessFive(S("9h 9d 2c 3s 4h"), S("8c 8s Ad Kh Qd"), cat::Pair));
    EXPECT_FALSE(lessFive(S("Ah Th 7h 4h 3h"), S("Ad Td 7d 4d 2d"), cat::Flush));
    EXPECT_TRUE(lessFive(S("Ad Td 7d 4d 2d"), S("Ah Th 7h 4h 3h"), cat::Flush));
    EXPECT_TRUE(lessFive(S("7h 7d 7c 2s 2h"), S("8h 8d 8c 3s 3h"), cat::FullHouse));
    EXPECT_FALSE(lessFive(S("7h 7d 7c As Ah"), S("7h 7d 7c 3s 3h"), cat::FullHouse));
    EXPECT_TRUE(lessFive(S("Kh Kd 4c 4s 2h"), S("Kc Ks 5d 5h 2d"), cat::TwoPairs));
    EXPECT_TRUE(lessFive(S("5h 5d 5c 5s Ah"), S("6h 6d 6c 6s 2h"), cat::Quadruple));
}

TEST(LessFive, IdenticalSetsAreNeitherLessAndAlwaysEqual) {
    const CardSet a = S("8h 8d Ac 5s 2h"), f = S("8h 8d Ac");
    for (std::size_t c = 0; c <= index(IllegalMarker); ++c) {
        const auto k = static_cast<HandCategory>(c);
        EXPECT_FALSE(lessFive(a, a, k));
        EXPECT_FALSE(lessFront(f, f, k));
        EXPECT_TRUE(equalFive(a, a, k));
        EXPECT_TRUE(equalFront(f, f, k));
    }
}

TEST(EqualFive, IsCoarserThanLessForPairsTwoPairsAndQuads) {
    const CardSet a = S("8h 8d Ac 5s 2h"), b = S("8c 8s Ad 6h 2d");
    EXPECT_TRUE(equalFive(a, b, cat::Pair));
    EXPECT_TRUE(lessFive(a, b, cat::Pair));
    EXPECT_TRUE(equalFive(S("Kh Kd 4c 4s 2h"), S("Kc Ks 4d 4h 3d"), cat::TwoPairs));
    EXPECT_TRUE(equalFive(S("5h 5d 5c 5s Ah"), S("5h 5d 5c 5s 2h"), cat::Quadruple));
    EXPECT_FALSE(equalFront(S("8h 8d Ac"), S("8c 8s Kd"), cat::Pair));
}

TEST(EvaluateArrangement, LegalityExamples) {
    Arrangement a;
    EXPECT_FALSE(evaluateArrangement(a, S("7h 7d 7c"), S("Kh Kd 4c 4s 2h"), S("Ah Ad Ac As 2d")));
    EXPECT_EQ(a.front.category, IllegalMarker);
    EXPECT_EQ(a.back.category, IllegalMarker);
    EXPECT_EQ(a.front.cards, S("7h 7d 7c"));  // the cards stay as arranged
    EXPECT_FALSE(evaluateArrangement(a, S("Qh Qd 4c"), S("Jh Jd Ac Ks 9h"), S("2h 3h 5h 7h 9d")));
    EXPECT_TRUE(evaluateArrangement(a, S("Qh Qd 4c"), S("Qc Qs Ad 9s 3d"), S("2h 3h 5h 7h 9h")));
    EXPECT_EQ(a.front.category, cat::Pair);
    EXPECT_EQ(a.middle.category, cat::Pair);
    EXPECT_EQ(a.back.category, cat::Flush);
    EXPECT_FALSE(evaluateArrangement(a, S("Ah Kd Qc"), S("As 9d 5c 4s 3h"), S("2h 2d 2c 7h 8d")));
    EXPECT_TRUE(evaluateArrangement(a, S("Kh Qd Jc"), S("Ks Qs Jd 9s 2h"), S("3h 3d 3c 7h 8d")));
    EXPECT_FALSE(evaluateArrangement(a, S("Kh Qd Jc"), S("2s 3s 4d 5s 6h"), S("Ah 2d 3c 4h 5d")));
    EXPECT_TRUE(evaluateArrangement(a, S("Kh Qd Jc"), S("2s 3s 4d 5s 6h"), S("2h 3d 4c 5h 6d")));
    // Two flushes compare card by card from the top.
    EXPECT_FALSE(evaluateArrangement(a, S("Kh Qd Jc"), S("As Ts 7s 4s 3s"), S("Ad Td 7d 4d 2d")));
}

TEST(Dominates, SpecialsNeverDominate) {
    Arrangement a;
    a.back = {S("Ah 2d 3c 4s 5h"), cat::Straight};
    a.middle = {S("Kh Kd 4c 9s 2h"), cat::Pair};
    a.front = {S("Qh Jd 7c"), cat::Trash};
    EXPECT_TRUE(dominates(a, a));
    EXPECT_TRUE(sameArrangementRank(a, a));
    Arrangement special = a;
    special.setCategories(cat::SixPairs);
    EXPECT_FALSE(dominates(special, special));
    EXPECT_FALSE(dominates(a, special));
    EXPECT_FALSE(dominates(special, a));
    Arrangement weaker = a;
    weaker.front = {S("Qs Td 7d"), cat::Trash};
    EXPECT_TRUE(dominates(a, weaker));
    EXPECT_FALSE(dominates(weaker, a));
}

// Random hands of one category: less is irreflexive, never true both ways, and agrees with
// equality where the two use the same ranks (trash, triples, straights, flushes, full houses).
TEST(LessFiveProperty, TrichotomyOnRandomHands) {
    std::mt19937 rng(12345);
    std::vector<CardSet> byCategory[OrdinaryCategories.size()];
    while (true) {
        CardSet s;
        while (cardCount(s) < 5)
            addCard(s, static_cast<CardIndex>(rng() % 52));
        auto& bucket = byCategory[index(classifyFive(s))];
        if (bucket.size() < 400) bucket.push_back(s);
        bool full = true;
        for (HandCategory c : {cat::Trash, cat::Pair, cat::TwoPairs, cat::Triple, cat::Straight,
                               cat::Flush, cat::FullHouse})
            full = full && byCategory[index(c)].size() >= 400;
        if (full) break;
    }
    for (const HandCategory k : OrdinaryCategories) {
        const std::size_t c = index(k);
        const auto& hands = byCategory[c];
        for (std::size_t i = 0; i + 1 < hands.size(); ++i) {
            const CardSet &a = hands[i], &b = hands[i + 1];
            EXPECT_FALSE(lessFive(a, a, k));
            const bool ab = lessFive(a, b, k), ba = lessFive(b, a, k);
            EXPECT_FALSE(ab && ba);
            if (k == cat::Trash || k == cat::Triple || k == cat::Straight || k == cat::Flush ||
                k == cat::StraightFlush) {
                EXPECT_EQ(!ab && !ba, equalFive(a, b, k)) << c;
            } else if (k != cat::FullHouse && !ab && !ba) {
                EXPECT_TRUE(equalFive(a, b, k)) << c;  // the coarser equality covers every tie
            }
        }
    }
    // Front hands too.
    std::vector<CardSet> fronts[4];
    for (int n = 0; n < 6000; ++n) {
        CardSet s;
        while (cardCount(s) < 3)
            addCard(s, static_cast<CardIndex>(rng() % 52));
        fronts[index(classifyFront(s))].push_back(s);
    }
    for (const HandCategory k : {cat::Trash, cat::Pair, cat::Triple}) {
        const std::size_t c = index(k);
        for (std::size_t i = 0; i + 1 < fronts[c].size(); ++i) {
            const CardSet &a = fronts[c][i], &b = fronts[c][i + 1];
            const bool ab = lessFront(a, b, k), ba = lessFront(b, a, k);
            EXPECT_FALSE(ab && ba);
            EXPECT_EQ(!ab && !ba, equalFront(a, b, k));
        }
    }
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

// Two full houses dealt from one deck never share their triple, so exactly one is the lower and
// equality agrees with "neither is less".
TEST(LessFiveProperty, FullHousesFromOneDeck) {
    std::mt19937 rng(55);
    int compared = 0;
    while (compared < 300) {
        const TestDeck deck = shuffledDeck(rng);
        std::vector<CardSet> houses;
        for (int h = 0; h + 5 <= 52; h += 5) {
            const CardSet s = cardsAt(deck, h, 5);
            if (classifyFive(s) == cat::FullHouse) houses.push_back(s);
        }
        for (std::size_t i = 0; i + 1 < houses.size(); ++i, ++compared) {
            const bool ab = lessFive(houses[i], houses[i + 1], cat::FullHouse);
            const bool ba = lessFive(houses[i + 1], houses[i], cat::FullHouse);
            EXPECT_NE(ab, ba);
            EXPECT_EQ(!ab && !ba, equalFive(houses[i], houses[i + 1], cat::FullHouse));
        }
        // Build more full houses on purpose: three of one rank and two of another, disjoint.
        const int r1 = static_cast<int>(rng() % 13),
                  r2 = (r1 + 1 + static_cast<int>(rng() % 12)) % 13;
        const int r3 = (r2 + 1 + static_cast<int>(rng() % 11)) % 13;
        if (r3 == r1) continue;
        CardSet a, b;
        for (int s = 0; s < 3; ++s)
            addCard(a, makeCard(s, r1));
        addCard(a, makeCard(0, r3));
        addCard(a, makeCard(1, r3));
        for (int s = 1; s < 4; ++s)
            addCard(b, makeCard(s, r2));
        addCard(b, makeCard(2, r3));
        addCard(b, makeCard(3, r3));
        EXPECT_NE(lessFive(a, b, cat::FullHouse), lessFive(b, a, cat::FullHouse));
        EXPECT_FALSE(equalFive(a, b, cat::FullHouse));
        ++compared;
    }
}

}  // namespace
}  // namespace kov
