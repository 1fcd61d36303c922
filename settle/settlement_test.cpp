// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settle/settlement.h"

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/payout.h"
#include "cards/special.h"
#include "cards/test_deck.h"
#include "settle/test_settlement.h"

namespace kov {
namespace {

Arrangement regular(const char* back, const char* middle, const char* front) {
    Arrangement a;
    evaluateArrangement(a, cardsFromText(front), cardsFromText(middle), cardsFromText(back));
    return a;
}

Arrangement special(const char* cards, HandCategory category) {
    Arrangement a;
    declareSpecial(a, {}, {}, {}, cardsFromText(cards), category);
    return a;
}

TEST(HandPoints, WinnerCategorySetsTheAmount) {
    const Hand quad{cardsFromText("5h 5d 5c 5s Ah"), cat::Quadruple};
    const Hand flush{cardsFromText("2h 3h 5h 7h 9h"), cat::Flush};
    EXPECT_EQ(handPoints(quad, flush, Position::Back), 4);
    EXPECT_EQ(handPoints(flush, quad, Position::Back), -4);
    const Hand fh7{cardsFromText("7h 7d 7c 2s 2h"), cat::FullHouse};
    const Hand fh8{cardsFromText("8h 8d 8c 3s 3h"), cat::FullHouse};
    EXPECT_EQ(handPoints(fh7, fh8, Position::Middle), -2);
    const Hand trips{cardsFromText("4h 4d 4c"), cat::Triple},
        pair{cardsFromText("Ah Ad 2c"), cat::Pair};
    EXPECT_EQ(handPoints(trips, pair, Position::Front), 3);
    EXPECT_EQ(handPoints(pair, pair, Position::Front), 0);
}

TEST(SettleChi, FrontAceFactors) {
    SeatArrangements seats;
    seats[0] = regular("2h 3h 5h 7h 9h", "4c 5d 6s 7d 8c", "Ac Ad As");
    seats[1] = regular("2c 3c 5c 7c 9c", "Qh Qd Qs 9d 3d", "Jh Jc 8s");
    Settlement s;
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], 9);  // three aces: 3 x 3
    EXPECT_EQ(s.FrontResult[1][0], -9);
    seats[0] = regular("2h 3h 5h 7h 9h", "4c 5d 6s 7d 8c", "Ac Ad 8d");
    seats[1] = regular("2c 3c 5c 7c 9c", "Qh Qd Qs 9d 3d", "Ks Kc 8s");
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], 1);  // a pair of aces earns nothing extra
    EXPECT_EQ(s.FrontResult[1][0], -1);
    seats[0] = regular("2h 3h 5h 7h 9h", "4c 5d 6s 7d 8c", "Kd Kh 8d");
    seats[1] = regular("2c 3c 5c 7c 9c", "Qh Qd Qs 9d 3d", "Js 8c 6s");
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], 1);
    EXPECT_EQ(s.MiddleResult[0][1], 1);  // straight over triple
    EXPECT_EQ(s.BackResult[0][1], 0);    // the same flush ranks in another suit tie
}

TEST(SettleChi, IllegalAndSpecials) {
    SeatArrangements seats;
    Arrangement illegal = regular("2h 3d 5c 7h 9h", "Kh Kd 4c 4s 2d", "Ac Ad As");
    ASSERT_EQ(illegal.back.category, IllegalMarker);
    seats[0] = illegal;
    seats[1] = regular("6h 6d 6c 6s 8h", "2c 3c 8c Jc Qc", "Th Td 5h");
    Settlement s;
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], -1);
    EXPECT_EQ(s.MiddleResult[0][1], -1);
    EXPECT_EQ(s.BackResult[0][1], -4);
    EXPECT_EQ(s.BackResult[1][0], 4);

    seats[0] = special("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Kh", cat::ThirteenStraight);
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], 13);
    EXPECT_EQ(s.MiddleResult[0][1], 0);
    EXPECT_EQ(s.BackResult[0][1], 0);
    EXPECT_EQ(s.FrontResult[1][0], -13);

    seats[0] = special("Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h", cat::SixPairs);
    seats[1] = special("Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh", cat::ThirteenStraightFlush);
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], 0);
    EXPECT_EQ(s.FrontResult[1][0], 0);

    seats[1] = illegal;  // an ILLEGAL seat pays a special its payout in the front entry
    s.settleDeal(seats, 2, ScoringOption::Chi);
    EXPECT_EQ(s.FrontResult[0][1], 3);
    EXPECT_EQ(s.FrontResult[1][0], -3);
}

TEST(SettleSet, WholeArrangementOutcomes) {
    SeatArrangements seats;
    Settlement s;
    // Straight flush back wins the set though front and middle lose.
    seats[0] = regular("2h 3h 4h 5h 6h", "Kc Kd 4c 9s 2d", "Qh Jd 7c");
    seats[1] = regular("2c 3c 8c Jc Qc", "Ah Ad 4d 9d 3d", "Kh Ks 5s");
    s.settleDeal(seats, 2, ScoringOption::Set);
    EXPECT_EQ(s.FrontResult[0][1], 1);
    EXPECT_EQ(s.MiddleResult[0][1], 0);
    // Front won, middle lost, back tied: a tie.
    seats[0] = regular("2h 3d 4h 5h 6c", "Kc Kd 4c 9s 2d", "Qh Qd 7c");
    seats[1] = regular("2s 3c 4d 5s 6d", "Ah Ad 4s 9d 3h", "Jh Js 5s");
    s.settleDeal(seats, 2, ScoringOption::Set);
    EXPECT_EQ(s.FrontResult[0][1], 0);
    // Two quadruple backs tie whatever their ranks.
    seats[0] = regular("Ah Ad Ac As 2h", "Kc Kd 4c 9s 2d", "Qh Qd 7c");
    seats[1] = regular("3h 3d 3c 3s 5h", "Jh Jd 4s 9d 2c", "Th Ts 5s");
    s.settleDeal(seats, 2, ScoringOption::Set);
    EXPECT_EQ(s.FrontResult[0][1], 0);
    EXPECT_EQ(s.FrontResult[1][0], 0);
}

// Random arrangements (regular, special, and ILLEGAL for seat 0 only): every settlement is
// antisymmetric with a zero diagonal, and chi points stay within the payout tables.
TEST(SettleDealProperty, AntisymmetricUnderBothOptions) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 3000; ++round) {
        const TestDeck deck = shuffledDeck(rng);
        const int n = 2 + static_cast<int>(rng() % 3);
        SeatArrangements seats;
        for (int seat = 0; seat < n; ++seat) {
            const auto [f, m, b] = dealtHands(deck, seat * 13);
            const int kind = static_cast<int>(rng() % 10);
            if (kind == 0) {
                declareSpecial(seats[seat], f, m, b, {}, SpecialCategories[rng() % 6]);
                if (seats[seat].back.category == IllegalMarker && seat != 0)
                    seats[seat].setCategories(
                        cat::ThirteenStraightFlush);  // only the player can be ILLEGAL
            } else if (!evaluateArrangement(seats[seat], f, m, b) && seat != 0) {
                // Computer seats play the strongest order of the same hands.
                seats[seat].back = {b, classifyFive(b)};
                seats[seat].middle = {m, classifyFive(m)};
                seats[seat].front = {f, classifyFront(f)};
            }
        }
        for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            Settlement s;
            s.settleDeal(seats, n, option);
            ASSERT_TRUE(settlementIsConsistent(s, n, option)) << round;
        }
    }
}

}  // namespace
}  // namespace kov
