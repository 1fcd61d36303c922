// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/category_claim.h"

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/test_deck.h"
#include "cards/test_soak.h"

namespace kov {
namespace {

CardSet S(const char* t) {
    return cardsFromText(t);
}

Arrangement regular(const char* back, int b, const char* middle, int m, const char* front, int f) {
    return {{S(back), static_cast<HandCategory>(b)},
            {S(middle), static_cast<HandCategory>(m)},
            {S(front), static_cast<HandCategory>(f)}};
}

// A special or ILLEGAL arrangement with all thirteen cards in every hand.
Arrangement block(const char* cards, HandCategory c) {
    Arrangement a;
    a.back.cards = a.middle.cards = a.front.cards = S(cards);
    a.setCategories(c);
    return a;
}

void expectRefused(const Arrangement& a, int seat, ClaimFault fault, Position hand) {
    const auto e = categoryClaimError(a, seat);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->fault, fault) << describe(*e);
    EXPECT_EQ(e->hand, hand) << describe(*e);
}

const char* const MixedThirteen = "Ah 2d 3h 4c 5h 6s 7h 8h 9d Th Jc Qh Ks";

TEST(CategoryClaim, TrashCalledAStraightFlushIsRefused) {
    const Arrangement lie = regular("2h 5d 7c 9s Jh", 8, "Ac Ad 3c 4s 6h", 1, "Kc Qd 8h", 0);
    expectRefused(lie, 1, ClaimFault::AboveTheCards, Position::Back);
    EXPECT_EQ(categoryClaimError(lie, 1)->made, cat::Trash);
    EXPECT_EQ(describe(*categoryClaimError(lie, 1)),
              "back: category 8 (straight flush) is above what its cards make: 0 (trash)");
    EXPECT_FALSE(
        categoryClaimError(regular("2h 5d 7c 9s Jh", 0, "Ac Ad 3c 4s 6h", 1, "Kc Qd 8h", 0), 1));
}

TEST(CategoryClaim, ThirteenRanksInMixedSuitsAreNoStraightFlush) {
    expectRefused(block(MixedThirteen, cat::ThirteenStraightFlush), 2, ClaimFault::SpecialNotHeld,
                  Position::Back);
    EXPECT_FALSE(categoryClaimError(block(MixedThirteen, cat::ThirteenStraight), 2));
    // The search's split form: front queen to ace, back seven to jack, middle two to six.
    Arrangement split = regular("7h 8h 9d Th Jc", 15, "2d 3h 4c 5h 6s", 15, "Qh Ks Ah", 15);
    expectRefused(split, 2, ClaimFault::SpecialNotHeld, Position::Back);
    split.setCategories(cat::ThirteenStraight);
    EXPECT_FALSE(categoryClaimError(split, 2));
    // One suit makes 15, and then "13 straight" is not what the cards hold.
    const char* hearts = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh";
    EXPECT_FALSE(categoryClaimError(block(hearts, cat::ThirteenStraightFlush), 1));
    expectRefused(block(hearts, cat::ThirteenStraight), 1, ClaimFault::SpecialNotHeld,
                  Position::Back);
}

// Filler cards can make more than the recorded material: lower is fine, higher never.
TEST(CategoryClaim, LowerThanTheCardsMakeIsAccepted) {
    // Middle 5-5-2-2-2 is a full house; the search records the triple it was built from.
    const char* back = "Ad Td 8d 6d 2d";
    EXPECT_FALSE(categoryClaimError(regular(back, 5, "5h 5c 2h 2c 2s", 3, "Qs 7d 7c", 1), 1));
    EXPECT_FALSE(categoryClaimError(regular(back, 5, "5h 5c 2h 2c 2s", 6, "Qs 7d 7c", 1), 1));
    EXPECT_FALSE(categoryClaimError(regular(back, 0, "5h 5c 2h 2c 2s", 0, "Qs 7d 7c", 0), 1));
    expectRefused(regular(back, 5, "5h 5c 2h 2c 2s", 7, "Qs 7d 7c", 1), 1,
                  ClaimFault::AboveTheCards, Position::Middle);
    expectRefused(regular(back, 5, "5h 5c 2h 2c 2s", 6, "Qs 7d 7c", 3), 1,
                  ClaimFault::AboveTheCards, Position::Front);
    // A three-card straight flush is trash in the front.
    expectRefused(regular(back, 5, "5h 5c 2h 2c 2s", 6, "Qs Ks As", 1), 1,
                  ClaimFault::AboveTheCards, Position::Front);
}

TEST(CategoryClaim, CategoriesThatCannotStandInTheHand) {
    const char* back = "Ad Td 8d 6d 2d";
    const char* middle = "5h 5c 2h 2c 2s";
    expectRefused(regular(back, 5, middle, 3, "7s 7d 7c", 2), 0, ClaimFault::NotForThisHand,
                  Position::Front);
    expectRefused(regular(back, 9, middle, 3, "Qs 7d 7c", 1), 0, ClaimFault::NotForThisHand,
                  Position::Back);
    expectRefused(regular(back, 5, middle, 12, "Qs 7d 7c", 1), 0, ClaimFault::NotForThisHand,
                  Position::Middle);
    // A special or ILLEGAL carries its number in all three hands.
    const char* hearts = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh";
    Arrangement mixed = block(hearts, cat::ThirteenStraightFlush);
    mixed.middle.category = cat::StraightFlush;
    expectRefused(mixed, 1, ClaimFault::NotForThisHand, Position::Middle);
    Arrangement halfIllegal = block(hearts, IllegalMarker);
    halfIllegal.front.category = cat::Trash;
    expectRefused(halfIllegal, 0, ClaimFault::NotForThisHand, Position::Front);
}

TEST(CategoryClaim, PairSpecialsAndThreeHandSpecials) {
    const char* sixPairs = "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h";
    EXPECT_FALSE(categoryClaimError(block(sixPairs, cat::SixPairs), 3));
    expectRefused(block(sixPairs, cat::FivePairsTriple), 3, ClaimFault::SpecialNotHeld,
                  Position::Back);
    EXPECT_FALSE(categoryClaimError(
        block("Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc", cat::FivePairsTriple), 3));

    // 3 flush and 3 straight are checked on the hands as split.
    EXPECT_FALSE(
        categoryClaimError(regular("2h 5h 7h 9h Jh", 11, "3d 4d 8d Td Kd", 11, "2c 6c Qc", 11), 1));
    expectRefused(regular("2h 5h 7h 9h Jh", 11, "3d 4d 8d Td Ks", 11, "2c 6c Qc", 11), 1,
                  ClaimFault::SpecialNotHeld, Position::Middle);
    EXPECT_FALSE(
        categoryClaimError(regular("9h Td Jc Qs Kh", 12, "As 2d 3c 4h 5d", 12, "Qh Kd Ac", 12), 1));
    expectRefused(regular("9h Td Jc Qs Kh", 12, "As 2d 3c 4h 5d", 12, "Kc Ad 2c", 12), 1,
                  ClaimFault::SpecialNotHeld, Position::Front);
    // With every card in every hand there is no split to be a 3 flush.
    expectRefused(block("2h 5h 7h 9h Jh 3d 4d 8d Td Kd 2c 6c Qc", cat::ThreeFlush), 1,
                  ClaimFault::SpecialNotHeld, Position::Back);
}

TEST(CategoryClaim, IllegalIsThePlayersOnly) {
    const Arrangement illegal = regular("2h 3d 4h 5h 6d", 23, "Ks Kc Tc 8h 6h", 23, "Qs Jc 7c", 23);
    EXPECT_FALSE(categoryClaimError(illegal, 0));
    expectRefused(illegal, 1, ClaimFault::IllegalNotPlayer, Position::Back);
    EXPECT_FALSE(categoryClaimError(block(MixedThirteen, IllegalMarker), 0));
    expectRefused(block(MixedThirteen, IllegalMarker), 3, ClaimFault::IllegalNotPlayer,
                  Position::Back);
}

// The next category above `c` that can stand in a hand of that length; trash when there is none.
HandCategory nextAbove(HandCategory c, bool front) {
    if (front) return c == cat::Trash ? cat::Pair : c == cat::Pair ? cat::Triple : cat::Trash;
    return c < cat::StraightFlush ? OrdinaryCategories[index(c) + 1] : cat::Trash;
}

// On random splits, the categories the cards make are accepted, and one step more in any single
// hand is refused, naming that hand.
TEST(CategoryClaimProperty, ExactCategoriesPassAndOneStepMoreIsRefused) {
    std::mt19937 rng(2024);
    const int n = scaled(3000);
    for (int k = 0; k < n; ++k) {
        const DealtHands d = dealtHands(shuffledDeck(rng), 0);
        const Arrangement exact{{d.back, classifyFive(d.back)},
                                {d.middle, classifyFive(d.middle)},
                                {d.front, classifyFront(d.front)}};
        const int seat = k % 4;
        ASSERT_FALSE(categoryClaimError(exact, seat)) << describe(*categoryClaimError(exact, seat));
        for (Position h : {Position::Back, Position::Middle, Position::Front}) {
            Arrangement raised = exact;
            Hand& hand = h == Position::Back     ? raised.back
                         : h == Position::Middle ? raised.middle
                                                 : raised.front;
            const HandCategory up = nextAbove(hand.category, h == Position::Front);
            if (up == cat::Trash) continue;
            hand.category = up;
            expectRefused(raised, seat, ClaimFault::AboveTheCards, h);
        }
    }
}

}  // namespace
}  // namespace kov
