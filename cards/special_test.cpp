#include "cards/special.h"

#include <gtest/gtest.h>

#include "cards/card_text.h"

namespace kov {
namespace {

CardSet S(const char* t) {
    return cardsFromText(t);
}

// A claim of 10, 13, 14 or 15 takes the cards wherever they lie: pass them all as "rest".
bool claim(Arrangement& a, const char* cards, int category) {
    return declareSpecial(a, CardSet{}, CardSet{}, CardSet{}, S(cards), category);
}

TEST(DeclareSpecial, PairCountsAndTriples) {
    Arrangement a;
    const char* sixPairs = "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h";
    EXPECT_TRUE(claim(a, sixPairs, 10));
    EXPECT_EQ(a.back.category, 10);
    EXPECT_EQ(a.front.cards, S(sixPairs));  // all 13 cards in every hand
    EXPECT_FALSE(claim(a, sixPairs, 13));
    EXPECT_EQ(a.middle.category, IllegalMarker);
    EXPECT_EQ(a.middle.cards, S(sixPairs));

    const char* fiveAndTriple = "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 4c";
    EXPECT_TRUE(claim(a, fiveAndTriple, 13));
    EXPECT_FALSE(claim(a, fiveAndTriple, 10));
    EXPECT_TRUE(claim(a, "Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc", 13));
    EXPECT_FALSE(claim(a, "Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc", 10));
}

TEST(DeclareSpecial, ThirteenStraights) {
    Arrangement a;
    const char* hearts = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh";
    EXPECT_FALSE(claim(a, hearts, 14));
    EXPECT_EQ(a.front.category, IllegalMarker);
    EXPECT_TRUE(claim(a, hearts, 15));
    const char* mixed = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kd";
    EXPECT_TRUE(claim(a, mixed, 14));
    EXPECT_FALSE(claim(a, mixed, 15));
    EXPECT_FALSE(claim(a, "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Qd", 14));
}

TEST(DeclareSpecial, ThreeStraightAndThreeFlushNeedTheHandsArranged) {
    Arrangement a;
    EXPECT_TRUE(
        declareSpecial(a, S("Qh Kd Ac"), S("As 2d 3c 4h 5d"), S("9h Td Jc Qs Kh"), CardSet{}, 12));
    EXPECT_EQ(a.front.cards, S("Qh Kd Ac"));
    EXPECT_EQ(a.middle.category, 12);
    EXPECT_FALSE(
        declareSpecial(a, S("Kh Ad 2c"), S("As 3d 4c 5h 6d"), S("9h Td Jc Qs Kd"), CardSet{}, 12));
    EXPECT_EQ(a.back.category, IllegalMarker);
    EXPECT_EQ(a.front.cards, S("Kh Ad 2c"));  // a failed 3-hand claim keeps the arranged hands
    // Straight flushes count as flushes.
    EXPECT_TRUE(
        declareSpecial(a, S("2c 7c Jc"), S("2h 3h 4h 5h 6h"), S("9d Td Jd Qd Kd"), CardSet{}, 11));
    EXPECT_FALSE(
        declareSpecial(a, S("2c 7c Jd"), S("2h 3h 4h 5h 6h"), S("9d Td Jd Qd Kd"), CardSet{}, 11));
}

TEST(DeclareSpecial, RefusesOrdinaryCategoriesWithoutTouchingTheSeat) {
    Arrangement a;
    a.back.category = 5;
    EXPECT_FALSE(declareSpecial(a, S("Qh Kd Ac"), CardSet{}, CardSet{}, CardSet{}, 9));
    EXPECT_FALSE(declareSpecial(a, S("Qh Kd Ac"), CardSet{}, CardSet{}, CardSet{}, 16));
    EXPECT_EQ(a.back.category, 5);
    EXPECT_TRUE(isEmpty(a.front.cards));
}

TEST(SpecialPredicates, Boundaries) {
    std::int32_t payout = -1;
    EXPECT_FALSE(isSpecialCategory(9, &payout));
    EXPECT_FALSE(isSpecialCategory(23, &payout));
    EXPECT_EQ(payout, -1);
    EXPECT_TRUE(isSpecialCategory(15, &payout));
    EXPECT_EQ(payout, 26);
    EXPECT_TRUE(isSpecialCategory(10, &payout));
    EXPECT_EQ(payout, 3);
    EXPECT_FALSE(isStrongCategory(9));
    EXPECT_FALSE(isStrongCategory(23));
    EXPECT_FALSE(isStrongCategory(6));
    EXPECT_TRUE(isStrongCategory(7));
    EXPECT_TRUE(isStrongCategory(12));
    EXPECT_FALSE(isDeclaredOutright(11));
    EXPECT_FALSE(isDeclaredOutright(12));
    EXPECT_TRUE(isDeclaredOutright(13));
}

}  // namespace
}  // namespace kov
