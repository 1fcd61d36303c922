// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/driver.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(RankSeats, EqualValuesAreNeverExchanged) {
    const auto order = rankSeats({2.0, 2.0, 1.0, 0.0}, 3);
    EXPECT_EQ(order[0], 2);
    EXPECT_EQ(order[1], 1);
    EXPECT_EQ(order[2], 0);
    const auto four = rankSeats({0.5, -1.0, 0.5, 3.0}, 4);
    EXPECT_EQ(four, (std::array<int, 4>{1, 0, 2, 3}));
}

TEST(ChooseSeat, ThresholdColumnsAndTheSecondDraw) {
    const std::array<int, 4> order{3, 1, 0, 2};
    EXPECT_EQ(chooseSeat(order, 2, 50, 49, 0), order[1]);
    EXPECT_EQ(chooseSeat(order, 2, 50, 50, 0), order[0]);   // equal to T: the r1 >= T column
    EXPECT_EQ(chooseSeat(order, 3, 50, 10, 49), order[2]);  // 49 counts as below 50
    EXPECT_EQ(chooseSeat(order, 3, 50, 10, 50), order[1]);
    EXPECT_EQ(chooseSeat(order, 3, 50, 60, 49), order[1]);
    EXPECT_EQ(chooseSeat(order, 3, 50, 60, 50), order[0]);
    EXPECT_EQ(chooseSeat(order, 4, 50, 10, 0), order[3]);
    EXPECT_EQ(chooseSeat(order, 4, 50, 10, 99), order[2]);
    EXPECT_EQ(chooseSeat(order, 4, 50, 99, 0), order[1]);
    EXPECT_EQ(chooseSeat(order, 4, 50, 99, 99), order[0]);
    EXPECT_EQ(chooseSeat(order, 5, 50, 99, 99), 0);
}

CardSet cardsOfArrangement(const Arrangement& a) {
    return unite(unite(a.back.cards, a.middle.cards), a.front.cards);
}

// After a START GAME the human's holding and the computer seats' arrangements are disjoint
// parts of the saved deal; the same seed replays the same deal.
TEST(StartDeal, HoldingsAndArrangementsFollowTheChoice) {
    Evaluator evaluator;
    for (int n = 2; n <= 4; ++n) {
        for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            Deal deal;
            SeatArrangements seats;
            Random rng(1000u + static_cast<unsigned>(n));
            const DealReport r =
                startDeal(n, option, DefaultDealChoiceThreshold, deal, seats, rng, evaluator);
            EXPECT_EQ(r.Draws.size(), n == 2 ? 1u : 2u);
            EXPECT_EQ(deal.Rows[0], r.SavedDeal.Rows[static_cast<std::size_t>(r.Chosen)]);
            CardSet used = setOf(deal.Rows[0]);
            for (int s = 1; s < n; ++s) {
                const CardSet own = cardsOfArrangement(seats[static_cast<std::size_t>(s)]);
                EXPECT_EQ(cardCount(own), 13);
                CardSet overlap;
                intersectionOf(overlap, own, used);
                EXPECT_TRUE(isEmpty(overlap));
                unionOf(used, used, own);
                // Seat s plays the holding first dealt to seat s, or to seat 0 if s was chosen.
                const int dealt = s == r.Chosen ? 0 : s;
                EXPECT_EQ(own, setOf(r.SavedDeal.Rows[static_cast<std::size_t>(dealt)]));
            }
            if (option == ScoringOption::Set) {
                for (int s = 0; s < n; ++s)
                    EXPECT_LE(std::abs(r.HoldingValue[s]), 1.0);
            }

            Deal again;
            SeatArrangements seatsAgain;
            Random rng2(1000u + static_cast<unsigned>(n));
            const DealReport r2 = startDeal(n, option, DefaultDealChoiceThreshold, again,
                                            seatsAgain, rng2, evaluator);
            EXPECT_EQ(again, deal);
            EXPECT_EQ(seatsAgain, seats);
            EXPECT_EQ(r2.Draws, r.Draws);
        }
    }
}

TEST(StartDeal, SeatZeroChosenExchangesNothing) {
    // Find a seed whose draws give the human his own holding.
    Evaluator evaluator;
    for (unsigned seed = 1; seed < 40; ++seed) {
        Deal deal;
        SeatArrangements seats;
        Random rng(seed);
        const DealReport r = startDeal(2, ScoringOption::Chi, DefaultDealChoiceThreshold, deal,
                                       seats, rng, evaluator);
        if (r.Chosen != 0) continue;
        EXPECT_EQ(deal.Rows[0], r.SavedDeal.Rows[0]);
        EXPECT_EQ(cardsOfArrangement(seats[1]), setOf(r.SavedDeal.Rows[1]));
        return;
    }
    FAIL() << "no seed chose seat 0";
}

}  // namespace
}  // namespace kov
