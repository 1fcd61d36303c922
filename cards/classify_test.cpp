// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/classify.h"

#include <gtest/gtest.h>

#include <array>

#include "cards/card_text.h"

namespace kov {
namespace {

HandCategory five(const char* text) {
    return classifyFive(cardsFromText(text));
}
HandCategory front(const char* text) {
    return classifyFront(cardsFromText(text));
}

TEST(ClassifyFive, StraightsAndTheAce) {
    EXPECT_EQ(five("Ah 2d 3c 4s 5h"), cat::Straight);
    EXPECT_EQ(five("Ah 2h 3h 4h 5h"), cat::StraightFlush);
    EXPECT_EQ(five("Th Jd Qc Ks Ah"), cat::Straight);
    EXPECT_EQ(five("Jh Qd Kc As 2h"), cat::Trash);  // runs never wrap
    EXPECT_EQ(five("2h 3h 4h 5h 6h"), cat::StraightFlush);
    EXPECT_EQ(five("2h 4h 6h 8h Th"), cat::Flush);
}

TEST(ClassifyFive, RankPatterns) {
    EXPECT_EQ(five("7h 7d 7c 7s Kh"), cat::Quadruple);
    EXPECT_EQ(five("7h 7d 7c Ks Kh"), cat::FullHouse);
    EXPECT_EQ(five("7h 7d 7c Ks 2h"), cat::Triple);
    EXPECT_EQ(five("7h 7d Kc Ks 2h"), cat::TwoPairs);
    EXPECT_EQ(five("7h 7d Kc 5s 2h"), cat::Pair);
    EXPECT_EQ(five("7h 9d Kc 5s 2h"), cat::Trash);
}

TEST(ClassifyFront, OnlyTrashPairOrTriple) {
    EXPECT_EQ(front("7h 7d 7c"), cat::Triple);
    EXPECT_EQ(front("7h 7d Kc"), cat::Pair);
    EXPECT_EQ(front("Ah 2h 3h"), cat::Trash);  // a run or a flush is trash in the front
    EXPECT_EQ(front("4s 9s Js"), cat::Trash);
}

TEST(RunScan, ThreeCardRunsAndBrokenRuns) {
    EXPECT_TRUE(isStraight3(cardsFromText("Ah 2d 3c")));
    EXPECT_TRUE(isStraight3(cardsFromText("Qh Kd Ac")));
    EXPECT_FALSE(isStraight3(cardsFromText("Kh Ad 2c")));
    // A rank held twice breaks a run.
    EXPECT_FALSE(isStraight5(cardsFromText("4h 5d 6c 6s 7h")));
    // The quick test of three is the scan itself, for every set of single ranks.
    for (unsigned ranks = 0; ranks < 8192; ++ranks) {
        CardSet s;
        s.mask[ranks % 4] = static_cast<std::uint16_t>(ranks);
        ASSERT_EQ(isStraight3(s), runStart(static_cast<std::uint16_t>(ranks), 3) >= 0) << ranks;
    }
}

// Every five-card hand of the deck, and every three-card front, classified once: the number of
// hands in each category is the one the deck's combinatorics give. Category 9 never results.
TEST(ClassifyFive, EveryHandOfTheDeckCountsAsTheDeckAllows) {
    std::array<int, OrdinaryCategories.size()> counts{};
    for (int a = 0; a < DeckSize; ++a) {
        for (int b = a + 1; b < DeckSize; ++b) {
            for (int c = b + 1; c < DeckSize; ++c) {
                for (int d = c + 1; d < DeckSize; ++d) {
                    CardSet four;
                    for (int card : {a, b, c, d})
                        addCard(four, static_cast<CardIndex>(card));
                    for (int e = d + 1; e < DeckSize; ++e) {
                        CardSet s = four;
                        addCard(s, static_cast<CardIndex>(e));
                        const HandCategory category = classifyFive(s);
                        ASSERT_LE(category, cat::StraightFlush);
                        ++counts[index(category)];
                    }
                }
            }
        }
    }
    EXPECT_EQ(counts[index(cat::Trash)], 1302540);
    EXPECT_EQ(counts[index(cat::Pair)], 1098240);
    EXPECT_EQ(counts[index(cat::TwoPairs)], 123552);
    EXPECT_EQ(counts[index(cat::Triple)], 54912);
    EXPECT_EQ(counts[index(cat::Straight)], 10200);
    EXPECT_EQ(counts[index(cat::Flush)], 5108);
    EXPECT_EQ(counts[index(cat::FullHouse)], 3744);
    EXPECT_EQ(counts[index(cat::Quadruple)], 624);
    EXPECT_EQ(counts[index(cat::StraightFlush)], 40);
}

TEST(ClassifyFront, EveryThreeCardFrontCountsAsTheDeckAllows) {
    std::array<int, index(cat::Triple) + 1> counts{};
    for (int a = 0; a < DeckSize; ++a) {
        for (int b = a + 1; b < DeckSize; ++b) {
            for (int c = b + 1; c < DeckSize; ++c) {
                CardSet s;
                for (int card : {a, b, c})
                    addCard(s, static_cast<CardIndex>(card));
                const HandCategory category = classifyFront(s);
                ASSERT_TRUE(category == cat::Trash || category == cat::Pair ||
                            category == cat::Triple);
                ++counts[index(category)];
            }
        }
    }
    EXPECT_EQ(counts[index(cat::Trash)], 18304);
    EXPECT_EQ(counts[index(cat::Pair)], 3744);
    EXPECT_EQ(counts[index(cat::TwoPairs)], 0);
    EXPECT_EQ(counts[index(cat::Triple)], 52);
}

}  // namespace
}  // namespace kov
