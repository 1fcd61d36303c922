// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/arrange.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/test_deck.h"

namespace kov {
namespace {

using namespace cat;  // the categories of the expected lists

CardSet S(const char* t) {
    return cardsFromText(t);
}

struct Expected {
    const char* back;
    HandCategory backCategory;
    const char* middle;
    HandCategory middleCategory;
    const char* front;
    HandCategory frontCategory;
};

void expectList(const ArrangementList& list, const std::vector<Expected>& expected) {
    ASSERT_EQ(list.count(), static_cast<int>(expected.size()));
    for (int i = 0; i < list.count(); ++i) {
        const Arrangement& a = list[i];
        const Expected& e = expected[static_cast<std::size_t>(i)];
        EXPECT_EQ(a.back.cards, S(e.back)) << i;
        EXPECT_EQ(a.middle.cards, S(e.middle)) << i;
        EXPECT_EQ(a.front.cards, S(e.front)) << i;
        EXPECT_EQ(a.back.category, e.backCategory) << i;
        EXPECT_EQ(a.middle.category, e.middleCategory) << i;
        EXPECT_EQ(a.front.category, e.frontCategory) << i;
    }
}

ArrangementList arrange(const char* holding) {
    SeatSearch search;
    ArrangementList list;
    search.arrangeSeat(S(holding), list);
    EXPECT_FALSE(search.overflowed());
    return list;
}

TEST(ArrangeSeat, LonePairOfAcesAlsoGetsATrashMiddle) {
    const auto list = arrange("Ah Ad Kc Qd Js 9h 7c 6d 5s 4h 3c 3d 2h");
    expectList(list, {{"6d 5s 4h 3c 2h", Straight, "Ah Ad 9h 7c 3d", Pair, "Kc Qd Js", Trash},
                      {"6d 5s 4h 3c 2h", Straight, "Ad Kc 9h 7c 3d", Trash, "Ah Qd Js", Trash},
                      {"7c 6d 5s 4h 3c", Straight, "Ah Ad 9h 3d 2h", Pair, "Kc Qd Js", Trash},
                      {"7c 6d 5s 4h 3c", Straight, "Ad Kc 9h 3d 2h", Trash, "Ah Qd Js", Trash}});
}

TEST(ArrangeSeat, FillersDoNotChangeTheRecordedCategory) {
    const auto list = arrange("Ad Td 8d 6d 2d 2h 2c 2s 5h 5c 7d 7c Qs");
    expectList(list, {{"7c 2h 2d 2c 2s", Quadruple, "Ad Td 8d 7d 6d", Flush, "Qs 5h 5c", Pair},
                      {"6d 2h 2d 2c 2s", Quadruple, "Qs Td 8d 7d 7c", Pair, "Ad 5h 5c", Pair},
                      {"Ad Td 8d 6d 2d", Flush, "5h 5c 2h 2c 2s", Triple, "Qs 7d 7c", Pair}});
}

TEST(ArrangeSeat, ThirteenStraights) {
    const auto flush = arrange("Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh");
    expectList(flush, {{"7h 8h 9h Th Jh", ThirteenStraightFlush, "2h 3h 4h 5h 6h",
                        ThirteenStraightFlush, "Qh Kh Ah", ThirteenStraightFlush},
                       {"7h 8h 9h Th Jh", StraightFlush, "2h 3h 4h 5h 6h", StraightFlush,
                        "Qh Kh Ah", Trash}});
    const auto mixed = arrange("Ah 2d 3h 4c 5h 6s 7h 8h 9d Th Jc Qh Ks");
    ASSERT_GE(mixed.count(), 2);
    EXPECT_EQ(mixed[0].back.category, cat::ThirteenStraight);
    EXPECT_EQ(mixed[0].front.cards, S("Qh Ks Ah"));
    for (int i = 1; i < mixed.count(); ++i)
        EXPECT_TRUE(mixed[i].back.category <= cat::StraightFlush ||
                    mixed[i].back.category == cat::ThreeStraight)
            << i;
}

TEST(ArrangeSeat, PairSpecialsComeFirst) {
    const auto six = arrange("Ah Ad Ac As 2h 2d 3c 3s 4h 4d 5c 5s 9h");
    ASSERT_GE(six.count(), 2);
    EXPECT_EQ(six[0].back.category, cat::SixPairs);
    EXPECT_EQ(six[0].front.cards, S("Ah Ad Ac As 2h 2d 3c 3s 4h 4d 5c 5s 9h"));
    const auto five = arrange("Ah Ad 2c 2s 3h 3d 4c 4s 5h 5d Kc Ks Kh");
    EXPECT_EQ(five[0].middle.category, cat::FivePairsTriple);
}

TEST(ArrangeSeat, AtMostOneThreeStraight) {
    // Two straights and a three-card run for the front, in several ways.
    const auto list = arrange("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Kd");
    int threeStraights = 0;
    for (const Arrangement& a : list)
        threeStraights += a.back.category == cat::ThreeStraight;
    EXPECT_EQ(threeStraights, 1);
}

TEST(ArrangeSeat, SmallCapacityOverflowIsReportedAndTheSearchCompletes) {
    SeatSearch search(8);
    ArrangementList list(8);
    search.arrangeSeat(S("Ad 2d 3d 5d 6d 7d 8d 9d Td Jd Qd Kd 9s"), list);
    EXPECT_TRUE(search.overflowed());
    EXPECT_LE(list.count(), 8);
    EXPECT_GE(list.count(), 1);
}

// Invariants over many random holdings: the list is never empty, specials come first, every
// ordinary candidate splits the 13 cards 5/5/3, no candidate dominates or ranks like another,
// and no recorded category claims more than the cards make.
TEST(ArrangeSeatProperty, RandomHoldings) {
    std::mt19937 rng(31337);
    SeatSearch search;
    ArrangementList list;
    int maxCount = 0;
    for (int n = 0; n < 10000; ++n) {
        const CardSet h = cardsAt(shuffledDeck(rng), 0, 13);
        search.arrangeSeat(h, list);
        ASSERT_FALSE(search.overflowed());
        ASSERT_GE(list.count(), 1);
        maxCount = std::max(maxCount, list.count());
        bool ordinarySeen = false;
        for (int i = 0; i < list.count(); ++i) {
            const Arrangement& a = list[i];
            const bool special = a.back.category >= cat::SixPairs;
            if (special) {
                // Only "3 straight" and "3 flush" arise among the ordinary arrangements.
                if (a.back.category != cat::ThreeFlush && a.back.category != cat::ThreeStraight) {
                    EXPECT_FALSE(ordinarySeen);
                }
                continue;
            }
            ordinarySeen = true;
            EXPECT_EQ(cardCount(a.back.cards), 5);
            EXPECT_EQ(cardCount(a.middle.cards), 5);
            EXPECT_EQ(cardCount(a.front.cards), 3);
            EXPECT_EQ(unite(unite(a.back.cards, a.middle.cards), a.front.cards), h);
            EXPECT_LE(a.back.category, classifyFive(a.back.cards));
            EXPECT_LE(a.middle.category, classifyFive(a.middle.cards));
            EXPECT_LE(a.front.category, classifyFront(a.front.cards));
            for (int j = 0; j < list.count(); ++j) {
                if (j == i || list[j].back.category >= cat::SixPairs) continue;
                EXPECT_FALSE(dominates(list[j], a));
                EXPECT_FALSE(sameArrangementRank(list[j], a));
            }
        }
    }
    RecordProperty("largest_list", maxCount);
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

TEST(FillHands, MatchesTheRuleOnRandomSplits) {
    std::mt19937 rng(8);
    for (int n = 0; n < 50000; ++n) {
        const TestDeck deck = shuffledDeck(rng);
        Arrangement a;
        const int sizes[3] = {static_cast<int>(rng() % 4), static_cast<int>(rng() % 6),
                              static_cast<int>(rng() % 6)};
        int k = 0;
        Hand* hands[3] = {&a.front, &a.middle, &a.back};
        for (int h = 0; h < 3; ++h)
            for (int i = 0; i < sizes[h]; ++i)
                addCard(hands[h]->cards,
                        static_cast<CardIndex>(deck[static_cast<std::size_t>(k++)]));
        // Mostly exactly the cards the hands lack, as in the search; now and then up to three
        // fewer or more, where the hands stay short or the back leaves cards over.
        const int end = std::max(k, n % 4 == 0 ? 13 + static_cast<int>(rng() % 7) - 3 : 13);
        CardSet leftover;
        for (int i = k; i < end; ++i)
            addCard(leftover, static_cast<CardIndex>(deck[static_cast<std::size_t>(i)]));
        Arrangement fast = a, rule = a;
        fillHands(fast, leftover);
        fillHandsByRule(rule, leftover);
        ASSERT_EQ(fast, rule);
    }
    // The worked example: front pair, middle lacking one, back lacking three; leftovers A J 9 5 4.
    Arrangement a;
    a.front.cards = cardsFromText("Kh Kd");
    a.middle.cards = cardsFromText("Qh Qd Qc 2s");
    a.back.cards = cardsFromText("8h 8d");
    fillHands(a, cardsFromText("Ac Js 9d 5h 4c"));
    EXPECT_EQ(a.front.cards, cardsFromText("Kh Kd Ac"));
    EXPECT_EQ(a.middle.cards, cardsFromText("Qh Qd Qc 2s Js"));
    EXPECT_EQ(a.back.cards, cardsFromText("8h 8d 9d 5h 4c"));
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

TEST(FixedListCapacity, FillingUpMarksTheListAndRefusesMore) {
    FixedList<int> list(3);
    EXPECT_TRUE(list.append(1));
    EXPECT_TRUE(list.append(2));
    EXPECT_FALSE(list.overflowed());
    EXPECT_TRUE(list.append(3));
    EXPECT_TRUE(list.overflowed());  // reaching the capacity is the condition reported
    EXPECT_FALSE(list.append(4));
    EXPECT_EQ(list.count(), 3);
    list.removeAt(0);  // the last entry moves into the freed slot
    EXPECT_EQ(list[0], 3);
    EXPECT_EQ(list.count(), 2);
    list.clear();
    EXPECT_FALSE(list.overflowed());
}

}  // namespace
}  // namespace kov
