// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settle/result_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/special.h"
#include "cards/test_deck.h"

namespace kov {
namespace {

// Display order as card text, e.g. "7h 7d Kc".
std::string shown(const char* cards, HandCategory category) {
    std::vector<CardFaceNumber> out;
    int slice = 0;
    displayOrder(cardsFromText(cards), category, out, slice);
    std::vector<CardIndex> idx;
    for (CardFaceNumber f : out)
        idx.push_back(static_cast<CardIndex>(fromFaceNumber(f)));
    return cardList(idx);
}

std::string rowText(const ResultRows& rows, int first, int count) {
    std::vector<CardIndex> idx;
    for (int k = first; k < first + count; ++k)
        idx.push_back(static_cast<CardIndex>(fromFaceNumber(rows.cards[k])));
    return cardList(idx);
}

TEST(DisplayOrder, ByCategory) {
    EXPECT_EQ(shown("Kc 7h 7d", cat::Pair), "7h 7d Kc");
    EXPECT_EQ(shown("9s 4h Kd 4c Kh", cat::TwoPairs), "Kh Kd 4h 4c 9s");
    EXPECT_EQ(shown("5d 3c Ah 4s 2h", cat::Straight), "Ah 2h 3c 4s 5d");
    EXPECT_EQ(shown("Ah Kd Tc Qs Jh", cat::Straight), "Tc Jh Qs Kd Ah");
    EXPECT_EQ(shown("Ad 2h Ah", IllegalMarker), "2h Ah Ad");
    EXPECT_EQ(shown("3s Ah 7s Th 4d", cat::Flush), "Ah Th 7s 4d 3s");
    EXPECT_EQ(shown("9c 2h 9d 2d 2s", cat::FullHouse), "2h 2d 2s 9d 9c");
    EXPECT_EQ(shown("Kc 5h 5d 5c 5s", cat::Quadruple), "5h 5d 5c 5s Kc");
    EXPECT_EQ(shown("5h 5d 5c", cat::Reserved), "");
    EXPECT_EQ(shown("5h 5d 5c", static_cast<HandCategory>(16)), "");
}

TEST(DisplayOrder, FillerCardsThatOutgrowTheCategoryStillShow) {
    // A middle recorded as a triple whose fillers pair up.
    EXPECT_EQ(shown("5h 5c 2h 2c 2s", cat::Triple), "2h 2c 2s 5h 5c");
    // A pair whose fillers hold another pair.
    EXPECT_EQ(shown("9h 9d 4c 4s 2h", cat::Pair), "9h 9d 4c 4s 2h");
}

TEST(ResultRow, BlockSpecialSplitsAceToKing) {
    Settlement s;
    SeatArrangements seats;
    // A computer "13 straight": front Q-K-A, back 7..J, middle 2..6.
    Arrangement a;
    a.front.cards = cardsFromText("Qh Kd As");
    a.back.cards = cardsFromText("7h 8d 9c Ts Jh");
    a.middle.cards = cardsFromText("2h 3d 4c 5s 6h");
    a.setCategories(cat::ThirteenStraight);
    seats[1] = a;
    seats[0] = Arrangement{};
    evaluateArrangement(seats[0], cardsFromText("2d 3h 4h"), cardsFromText("5h 6d 7d 8h 9h"),
                        cardsFromText("Td Jd Qd Kh Ad"));
    s.settleDeal(seats, 2, ScoringOption::Chi);
    const ResultRows rows = resultRow(s, seats[1], 1, ScoringOption::Chi);
    EXPECT_EQ(rowText(rows, 0, 3), "As 2h 3d");
    EXPECT_EQ(rowText(rows, 3, 5), "4c 5s 6h 7h 8d");
    EXPECT_EQ(rowText(rows, 8, 5), "9c Ts Jh Qh Kd");
    EXPECT_EQ(rows.names[0], "13 straight");
    EXPECT_EQ(rows.names[2], "13 straight");
    EXPECT_EQ(rows.pointsShown, 1);
    EXPECT_EQ(rows.points[0], -13);  // the player's result against this seat
}

TEST(ResultRow, PlayerSixPairsAndFailedClaims) {
    Settlement s;
    SeatArrangements seats;
    declareSpecial(seats[0], {}, {}, {}, cardsFromText("Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h"),
                   cat::SixPairs);
    evaluateArrangement(seats[1], cardsFromText("Qs Jc 7c"), cardsFromText("Ks Kc 9c 8s 6s"),
                        cardsFromText("3c 3s 4c 4s 9d"));
    s.settleDeal(seats, 2, ScoringOption::Chi);
    ResultRows rows = resultRow(s, seats[0], 0, ScoringOption::Chi);
    EXPECT_EQ(rows.names[1], "6 pairs");
    EXPECT_EQ(rowText(rows, 0, 13), "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h");
    EXPECT_EQ(rows.points[0], 3);

    // A failed "6 pairs" stores all 13 cards in every hand: shown once, as a block.
    declareSpecial(seats[0], {}, {}, {}, cardsFromText("Ah Ad Ac 7s 2h 2d 2c 2s 3h 3d 4h 4d 5h"),
                   cat::SixPairs);
    s.settleDeal(seats, 2, ScoringOption::Chi);
    rows = resultRow(s, seats[0], 0, ScoringOption::Chi);
    EXPECT_EQ(rows.names, (std::array<std::string, 3>{"ILLEGAL", "ILLEGAL", "ILLEGAL"}));
    EXPECT_EQ(rowText(rows, 0, 13), "Ah Ad Ac 2h 2d 2c 2s 3h 3d 4h 4d 5h 7s");
    EXPECT_EQ(rows.pointsShown, 3);
    EXPECT_EQ(rows.points[0] + rows.points[1] + rows.points[2], -3);
}

TEST(ResultRow, TwoOpponentsSumForThePlayer) {
    Settlement s;
    SeatArrangements seats;
    evaluateArrangement(seats[0], cardsFromText("Kh Kd 2c"), cardsFromText("Ah Ad 9c 8s 6s"),
                        cardsFromText("3c 3s 3h 4s 9d"));
    evaluateArrangement(seats[1], cardsFromText("Qs Jc 7c"), cardsFromText("Ks Kc Tc 8h 6h"),
                        cardsFromText("2h 3d 4h 5h 6d"));
    evaluateArrangement(seats[2], cardsFromText("Qh Qd 7d"), cardsFromText("Js Jd Td 8d 5d"),
                        cardsFromText("7h 7s 9h 9s 2d"));
    s.settleDeal(seats, 3, ScoringOption::Chi);
    const ResultRows player = resultRow(s, seats[0], 0, ScoringOption::Chi);
    EXPECT_EQ(player.points[0], s.FrontResult[0][1] + s.FrontResult[0][2]);
    EXPECT_EQ(player.points[0], 2);
    const ResultRows second = resultRow(s, seats[2], 2, ScoringOption::Chi);
    EXPECT_EQ(second.points[0], s.FrontResult[0][2]);
    EXPECT_EQ(second.points[2], s.BackResult[0][2]);
    const ResultRows setRows = resultRow(s, seats[0], 0, ScoringOption::Set);
    EXPECT_EQ(setRows.pointsShown, 1);
}

// Every row set holds exactly the seat's 13 cards, each once, whatever the seat holds.
TEST(ResultRowProperty, ThirteenCardsEachOnce) {
    std::mt19937 rng(99);
    for (int round = 0; round < 2000; ++round) {
        const TestDeck deck = shuffledDeck(rng);
        const auto [f, m, b] = dealtHands(deck, 0);
        SeatArrangements seats;
        if (round % 3 == 0)
            declareSpecial(seats[0], f, m, b, {}, SpecialCategories[round % 6]);
        else
            evaluateArrangement(seats[0], f, m, b);
        if (round % 5 == 0) {  // a recorded category weaker than the cards
            seats[0].middle.category = cat::Trash;
            seats[0].back.category =
                seats[0].back.category == IllegalMarker ? IllegalMarker : cat::Pair;
        }
        Settlement s;
        s.settleDeal(seats, 1, ScoringOption::Chi);
        const ResultRows rows = resultRow(s, seats[0], 0, ScoringOption::Chi);
        std::vector<int> faces(rows.cards.begin(), rows.cards.end());
        std::sort(faces.begin(), faces.end());
        std::vector<int> expected;
        for (int k = 0; k < 13; ++k)
            expected.push_back(toFaceNumber(static_cast<CardIndex>(deck[k])));
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(faces, expected) << round;
    }
}

}  // namespace
}  // namespace kov
