// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <vector>

#include "cards/card_text.h"
#include "cards/hand.h"

namespace kov {
namespace {

TEST(CardIndex, SuitAndRankLayout) {
    EXPECT_EQ(cardName(0), "Ah");
    EXPECT_EQ(cardName(12), "Kh");
    EXPECT_EQ(cardName(13), "Ad");
    EXPECT_EQ(cardName(51), "Ks");
}

TEST(CardFaceNumber, MapsSuitsToLibraryCodes) {
    EXPECT_EQ(toFaceNumber(makeCard(0, 0)), 2);    // ace of hearts
    EXPECT_EQ(toFaceNumber(makeCard(2, 0)), 0);    // ace of clubs
    EXPECT_EQ(toFaceNumber(makeCard(3, 12)), 51);  // king of spades
    EXPECT_EQ(toFaceNumber(makeCard(1, 1)), 5);    // two of diamonds
    bool seen[52] = {};
    for (int c = 0; c < 52; ++c)
        seen[toFaceNumber(static_cast<CardIndex>(c))] = true;
    for (bool s : seen)
        EXPECT_TRUE(s);
}

TEST(CardFaceNumber, RoundTripAndOrderKeys) {
    for (int c = 0; c < 52; ++c)
        EXPECT_EQ(fromFaceNumber(toFaceNumber(static_cast<CardIndex>(c))), c);
    EXPECT_EQ(fromFaceNumber(2), 0);
    EXPECT_EQ(fromFaceNumber(1), 13);
    EXPECT_EQ(fromFaceNumber(0), 26);
    EXPECT_EQ(fromFaceNumber(51), 51);
    // Card-number order: the four aces before the twos, hearts-diamonds-clubs-spades within.
    std::vector<int> faces(52);
    for (int f = 0; f < 52; ++f)
        faces[f] = f;
    std::sort(faces.begin(), faces.end(),
              [](int a, int b) { return numberOrderKey(a) < numberOrderKey(b); });
    EXPECT_EQ(fromFaceNumber(faces[0]), 0);   // ace of hearts
    EXPECT_EQ(fromFaceNumber(faces[1]), 13);  // ace of diamonds
    EXPECT_EQ(fromFaceNumber(faces[3]), 39);  // ace of spades
    EXPECT_EQ(fromFaceNumber(faces[4]), 1);   // two of hearts
}

TEST(CardSetOps, CountsAndRankArithmeticModulo13) {
    const CardSet s = cardsFromText("Ah Ac As Kd 2h");
    EXPECT_EQ(cardCount(s), 5);
    EXPECT_EQ(rankCount(s, 0), 3);
    EXPECT_EQ(rankCount(s, 13), 3);  // 13 is the ace again
    EXPECT_EQ(rankCount(s, 12), 1);
    EXPECT_EQ(bitCount16(0x10001), 1);
    for (std::uint32_t v = 0; v < 0x10000; v += 37)
        EXPECT_EQ(bitCount16(v), std::popcount(v));
    CardSet aces;
    allOfRank(aces, 13);
    EXPECT_EQ(cardCount(aces), 4);
    CardSet t = s;
    removeRank(t, 13);
    EXPECT_EQ(t, cardsFromText("Kd 2h"));
}

TEST(CardSetOps, CardCountMatchesTheCardsHeld) {
    std::uint32_t x = 12345;
    for (int n = 0; n < 20000; ++n) {
        CardSet s;
        int expected = 0;
        for (int c = 0; c < 52; ++c) {
            x = x * 1103515245u + 12345u;
            if ((x >> 16) & 1) {
                addCard(s, static_cast<CardIndex>(c));
                ++expected;
            }
        }
        ASSERT_EQ(cardCount(s), expected);
    }
    CardSet full;
    for (int c = 0; c < 52; ++c)
        addCard(full, static_cast<CardIndex>(c));
    EXPECT_EQ(cardCount(full), 52);
    EXPECT_EQ(cardCount(CardSet{}), 0);
}

// Every rank is counted on its own, so four ranks side by side with every suit mask over them
// (2^16 sets) meet every count of every rank in every suit combination.
TEST(CardSetOps, RankPatternSortsRanksByHowManySuitsHoldThem) {
    for (int r0 : {0, 4, 9}) {
        for (unsigned x = 0; x < (1u << 16); ++x) {
            CardSet s;
            for (int suit = 0; suit < SuitCount; ++suit)
                s.mask[static_cast<std::size_t>(suit)] =
                    static_cast<std::uint16_t>(((x >> (4 * suit)) & 0xFu) << r0);
            const RankPattern p = rankPattern(s);
            std::uint16_t expected[5] = {};
            for (int r = 0; r < RankCount; ++r) {
                const int n = rankCount(s, r);
                if (n > 0) expected[0] = static_cast<std::uint16_t>(expected[0] | 1u << r);
                if (n > 0) expected[n] = static_cast<std::uint16_t>(expected[n] | 1u << r);
            }
            ASSERT_EQ(p.held, expected[0]) << x;
            ASSERT_EQ(p.one, expected[1]) << x;
            ASSERT_EQ(p.two, expected[2]) << x;
            ASSERT_EQ(p.three, expected[3]) << x;
            ASSERT_EQ(p.four, expected[4]) << x;
        }
    }
}

TEST(CardSetOps, SetAlgebra) {
    const CardSet a = cardsFromText("Ah 2h 3d"), b = cardsFromText("3d 4s");
    CardSet u, i;
    unionOf(u, a, b);
    intersectionOf(i, a, b);
    EXPECT_EQ(u, cardsFromText("Ah 2h 3d 4s"));
    EXPECT_EQ(i, cardsFromText("3d"));
    CardSet m = a;
    minus(m, b);
    EXPECT_EQ(m, cardsFromText("Ah 2h"));
    EXPECT_TRUE(isEmpty(CardSet{}));
    EXPECT_FALSE(isEmpty(a));
}

TEST(CardSetOps, ThinRankKeepsHighestSuit) {
    CardSet s = cardsFromText("Ah Ac As 5d");
    thinRank(s, 0);
    EXPECT_EQ(s, cardsFromText("As 5d"));
    CardSet single = cardsFromText("Ad 5d");
    thinRank(single, 0);
    EXPECT_EQ(single, cardsFromText("Ad 5d"));
    CardSet four = cardsFromText("Kh Kd Kc Ks");
    thinRank(four, 12);
    EXPECT_EQ(four, cardsFromText("Ks"));
}

TEST(CardSetOps, KeepFirstSuitOfBitKeepsLowestSuit) {
    CardSet s = cardsFromText("Kd Ks Qh");
    keepFirstSuitOfBit(s, 12);
    EXPECT_EQ(s, cardsFromText("Kd Qh"));
}

TEST(FiveRankMaskList, LengthOrderAndContents) {
    const FiveRankMasks& list = fiveRankMaskList();
    ASSERT_EQ(list.length, 1277);
    const std::uint16_t head[] = {0x1D80, 0x002F, 0x0037, 0x003B, 0x003D, 0x1E80};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.mask[i], head[i]) << i;
    EXPECT_EQ(list.mask[1276], 0x1D40);
    bool seen[8192] = {};
    for (int i = 0; i < list.length; ++i) {
        const std::uint16_t m = list.mask[i];
        EXPECT_EQ(bitCount16(m), 5);
        EXPECT_FALSE(seen[m]);
        seen[m] = true;
        for (std::uint16_t straight : StraightMasks)
            EXPECT_NE(m, straight);
    }
}

TEST(CardText, ParsesRanksSuitsAndSeparators) {
    const ParsedCards p = parseCards("ah,10D  t\u2663 K\u2660");
    ASSERT_TRUE(p.error.empty()) << p.error;
    ASSERT_EQ(p.cards.size(), 4u);
    EXPECT_EQ(cardList(p.cards), "Ah Td Tc Ks");
    for (const char* bad : {"1h", "11c", "Ax", "Zh", "h", "Ah,,Kd", "Ah Ah", ",Ah", "Ah,"})
        EXPECT_FALSE(parseCards(bad).error.empty()) << bad;
    EXPECT_NE(parseCards("Ah Ah").error.find("duplicate"), std::string::npos);
}

}  // namespace
}  // namespace kov
