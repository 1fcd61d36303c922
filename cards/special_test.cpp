// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/special.h"

#include <gtest/gtest.h>

#include "cards/card_text.h"

namespace kov {
namespace {

CardSet S(const char* t) {
    return cardsFromText(t);
}

// A claim of a block special takes the cards wherever they lie: pass them all as "rest".
bool claim(Arrangement& a, const char* cards, HandCategory category) {
    return declareSpecial(a, CardSet{}, CardSet{}, CardSet{}, S(cards), category);
}

TEST(DeclareSpecial, PairCountsAndTriples) {
    Arrangement a;
    const char* sixPairs = "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h";
    EXPECT_TRUE(claim(a, sixPairs, cat::SixPairs));
    EXPECT_EQ(a.back.category, cat::SixPairs);
    EXPECT_EQ(a.front.cards, S(sixPairs));  // all 13 cards in every hand
    EXPECT_FALSE(claim(a, sixPairs, cat::FivePairsTriple));
    EXPECT_EQ(a.middle.category, IllegalMarker);
    EXPECT_EQ(a.middle.cards, S(sixPairs));

    const char* fiveAndTriple = "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 4c";
    EXPECT_TRUE(claim(a, fiveAndTriple, cat::FivePairsTriple));
    EXPECT_FALSE(claim(a, fiveAndTriple, cat::SixPairs));
    EXPECT_TRUE(claim(a, "Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc", cat::FivePairsTriple));
    EXPECT_FALSE(claim(a, "Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc", cat::SixPairs));
}

TEST(DeclareSpecial, ThirteenStraights) {
    Arrangement a;
    const char* hearts = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh";
    EXPECT_FALSE(claim(a, hearts, cat::ThirteenStraight));
    EXPECT_EQ(a.front.category, IllegalMarker);
    EXPECT_TRUE(claim(a, hearts, cat::ThirteenStraightFlush));
    const char* mixed = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kd";
    EXPECT_TRUE(claim(a, mixed, cat::ThirteenStraight));
    EXPECT_FALSE(claim(a, mixed, cat::ThirteenStraightFlush));
    EXPECT_FALSE(claim(a, "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Qd", cat::ThirteenStraight));
}

TEST(DeclareSpecial, ThreeStraightAndThreeFlushNeedTheHandsArranged) {
    Arrangement a;
    EXPECT_TRUE(declareSpecial(a, S("Qh Kd Ac"), S("As 2d 3c 4h 5d"), S("9h Td Jc Qs Kh"),
                               CardSet{}, cat::ThreeStraight));
    EXPECT_EQ(a.front.cards, S("Qh Kd Ac"));
    EXPECT_EQ(a.middle.category, cat::ThreeStraight);
    EXPECT_FALSE(declareSpecial(a, S("Kh Ad 2c"), S("As 3d 4c 5h 6d"), S("9h Td Jc Qs Kd"),
                                CardSet{}, cat::ThreeStraight));
    EXPECT_EQ(a.back.category, IllegalMarker);
    EXPECT_EQ(a.front.cards, S("Kh Ad 2c"));  // a failed 3-hand claim keeps the arranged hands
    // Straight flushes count as flushes.
    EXPECT_TRUE(declareSpecial(a, S("2c 7c Jc"), S("2h 3h 4h 5h 6h"), S("9d Td Jd Qd Kd"),
                               CardSet{}, cat::ThreeFlush));
    EXPECT_FALSE(declareSpecial(a, S("2c 7c Jd"), S("2h 3h 4h 5h 6h"), S("9d Td Jd Qd Kd"),
                                CardSet{}, cat::ThreeFlush));
}

TEST(DeclareSpecial, RefusesOrdinaryCategoriesWithoutTouchingTheSeat) {
    Arrangement a;
    a.back.category = cat::Flush;
    EXPECT_FALSE(declareSpecial(a, S("Qh Kd Ac"), CardSet{}, CardSet{}, CardSet{}, cat::Reserved));
    EXPECT_FALSE(declareSpecial(a, S("Qh Kd Ac"), CardSet{}, CardSet{}, CardSet{},
                                static_cast<HandCategory>(index(cat::ThirteenStraightFlush) + 1)));
    EXPECT_EQ(a.back.category, cat::Flush);
    EXPECT_TRUE(isEmpty(a.front.cards));
}

TEST(SpecialPredicates, Boundaries) {
    std::int32_t payout = -1;
    EXPECT_FALSE(isSpecialCategory(cat::Reserved, &payout));
    EXPECT_FALSE(isSpecialCategory(IllegalMarker, &payout));
    EXPECT_EQ(payout, -1);
    EXPECT_TRUE(isSpecialCategory(cat::ThirteenStraightFlush, &payout));
    EXPECT_EQ(payout, 26);
    EXPECT_TRUE(isSpecialCategory(cat::SixPairs, &payout));
    EXPECT_EQ(payout, 3);
    EXPECT_FALSE(isStrongCategory(cat::Reserved));
    EXPECT_FALSE(isStrongCategory(IllegalMarker));
    EXPECT_FALSE(isStrongCategory(cat::FullHouse));
    EXPECT_TRUE(isStrongCategory(cat::Quadruple));
    EXPECT_TRUE(isStrongCategory(cat::ThreeStraight));
    EXPECT_FALSE(isDeclaredOutright(cat::ThreeFlush));
    EXPECT_FALSE(isDeclaredOutright(cat::ThreeStraight));
    EXPECT_TRUE(isDeclaredOutright(cat::FivePairsTriple));
}

}  // namespace
}  // namespace kov
