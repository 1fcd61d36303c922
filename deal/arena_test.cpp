// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/arena.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cards/card_text.h"
#include "cards/test_arrangement.h"

namespace kov {
namespace {

TEST(Arena, HeadsUpPointsAreTheSettlementsBetweenTwoSeats) {
    const Arrangement a = regular("7h 7d 7s 7c 8d", "Qh Qd 2c 3s 4d", "9d 9c Ah");
    const Arrangement b = regular("2h 3d 4h 5h 6d", "Ks Kc Tc 8h 6h", "Qs Jc 5c");
    // Front pair against trash +1, middle queens against kings -1, back quadruple +4.
    EXPECT_EQ(headsUpPoints(a, b, ScoringOption::Chi), 4);
    EXPECT_EQ(headsUpPoints(b, a, ScoringOption::Chi), -4);
    EXPECT_EQ(headsUpPoints(a, b, ScoringOption::Set), 1);  // two hands of three
    EXPECT_EQ(headsUpPoints(b, a, ScoringOption::Set), -1);
    EXPECT_EQ(headsUpPoints(a, a, ScoringOption::Chi), 0);
}

TEST(Arena, SummaryOfKnownScores) {
    // Halved: 1, 2, 3, 4, 5 points per deal: mean 3, sample deviation sqrt(2.5).
    const ArenaResult r = summarizeArena({2, 4, 6, 8, 10});
    EXPECT_EQ(r.Deals, 5);
    EXPECT_DOUBLE_EQ(r.Mean, 3.0);
    EXPECT_DOUBLE_EQ(r.Stddev, std::sqrt(2.5));
    EXPECT_DOUBLE_EQ(r.High - r.Mean, 1.96 * std::sqrt(2.5) / std::sqrt(5.0));
    EXPECT_DOUBLE_EQ(r.Mean - r.Low, r.High - r.Mean);
    const ArenaResult one = summarizeArena({-3});
    EXPECT_DOUBLE_EQ(one.Mean, -1.5);
    EXPECT_DOUBLE_EQ(one.Stddev, 0.0);
    EXPECT_EQ(summarizeArena({}).Deals, 0);
}

// The deals and the strategies' generators come from the seed and the deal number alone.
TEST(Arena, DealsDependOnTheSeedAndNumberOnly) {
    const ArenaDeal d = arenaDeal(11, 4);
    EXPECT_EQ(cardCount(d.Holdings[0]), 13);
    EXPECT_EQ(cardCount(d.Holdings[1]), 13);
    CardSet both;
    intersectionOf(both, d.Holdings[0], d.Holdings[1]);
    EXPECT_TRUE(isEmpty(both));
    EXPECT_NE(d.StrategySeeds[0], d.StrategySeeds[1]);
    const ArenaDeal again = arenaDeal(11, 4);
    EXPECT_EQ(again.Holdings, d.Holdings);
    EXPECT_EQ(again.StrategySeeds, d.StrategySeeds);
    EXPECT_NE(arenaDeal(11, 5).Holdings, d.Holdings);
    EXPECT_NE(arenaDeal(12, 4).Holdings, d.Holdings);
}

void expectSameChoices(const ArenaChoices& x, const ArenaChoices& y, int deals, int kinds) {
    for (int d = 0; d < deals; ++d)
        for (int h = 0; h < 2; ++h)
            for (int k = 0; k < kinds; ++k)
                ASSERT_EQ(x.at(d, h, k), y.at(d, h, k)) << d << " " << h << " " << k;
}

// Any thread count gives the same choices; a longer arena starts with a shorter one's deals;
// a strategy's choices do not depend on the strategies beside it.
TEST(Arena, ChoicesIndependentOfThreadsLengthAndCompany) {
    const std::vector<StrategyKind> kinds = {StrategyKind::Random, StrategyKind::First,
                                             StrategyKind::Easy};
    const ArenaChoices one = playArena(kinds, 6, 8, ScoringOption::Set, 1);
    expectSameChoices(one, playArena(kinds, 6, 8, ScoringOption::Set, 3), 6, 3);
    expectSameChoices(one, playArena(kinds, 9, 8, ScoringOption::Set, 2), 6, 3);
    const ArenaChoices alone = playArena({StrategyKind::Easy}, 6, 8, ScoringOption::Set, 1);
    for (int d = 0; d < 6; ++d)
        for (int h = 0; h < 2; ++h)
            EXPECT_EQ(alone.at(d, h, 0), one.at(d, h, 2));
    int done = 0;
    playArena(kinds, 5, 8, ScoringOption::Chi, 2, [&](int n) { done = std::max(done, n); });
    EXPECT_EQ(done, 5);
}

// Duplicate play: both sides of a deal see both holdings, so a strategy against itself scores
// exactly nothing, and exchanging A and B negates every deal.
TEST(Arena, DuplicateDealsCancelTheCards) {
    const std::vector<StrategyKind> kinds = {StrategyKind::Random, StrategyKind::First};
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        const ArenaChoices c = playArena(kinds, 40, 3, option, 1);
        for (int k = 0; k < 2; ++k) {
            const ArenaResult self = scorePairing(c, k, k, option);
            EXPECT_EQ(self.Mean, 0.0);
            EXPECT_EQ(self.Stddev, 0.0);
        }
        const ArenaResult ab = scorePairing(c, 0, 1, option);
        const ArenaResult ba = scorePairing(c, 1, 0, option);
        EXPECT_EQ(ab.Deals, 40);
        EXPECT_DOUBLE_EQ(ab.Mean, -ba.Mean);
        EXPECT_DOUBLE_EQ(ab.Stddev, ba.Stddev);
        EXPECT_GT(ab.Stddev, 0.0);
    }
}

}  // namespace
}  // namespace kov
