// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The record after a scripted series of deals under both scoring options.

#include "game/statistics.h"

#include <gtest/gtest.h>

#include "game/balance_limits.h"
#include "game/game_flow.h"

namespace kov {
namespace {

TEST(Statistics, ScriptedSeriesOfDeals) {
    Statistics s;
    int balance = 40;
    struct Deal {
        ScoringOption option;
        int gain;
    };
    const Deal deals[] = {{ScoringOption::Chi, 6}, {ScoringOption::Chi, -14},
                          {ScoringOption::Chi, 0}, {ScoringOption::Set, -2},
                          {ScoringOption::Set, 1}, {ScoringOption::Chi, 3},
                          {ScoringOption::Set, -2}};
    for (const Deal& d : deals) {
        balance += d.gain;
        s.record(d.option, d.gain, balance);
    }
    const OptionStatistics& chi = s.of(ScoringOption::Chi);
    EXPECT_EQ(chi, (OptionStatistics{4, 2, 1, 1, 9, 14, 6, -14}));
    const OptionStatistics& set = s.of(ScoringOption::Set);
    EXPECT_EQ(set, (OptionStatistics{3, 1, 2, 0, 1, 4, 1, -2}));
    EXPECT_EQ(s.total(), (OptionStatistics{7, 3, 3, 1, 10, 18, 6, -14}));
    EXPECT_EQ(s.balances, (std::vector<int>{46, 32, 32, 30, 31, 34, 32}));

    s.reset();
    EXPECT_EQ(s, Statistics{});
    EXPECT_EQ(s.total().played, 0);
}

// A first deal that loses sets the best deal too: best and worst start from the first deal,
// not from 0.
TEST(Statistics, BestAndWorstStartFromTheFirstDeal) {
    Statistics s;
    s.record(ScoringOption::Set, -1, -1);
    EXPECT_EQ(s.of(ScoringOption::Set).best, -1);
    EXPECT_EQ(s.of(ScoringOption::Set).worst, -1);
    EXPECT_EQ(s.total().best, -1);
}

TEST(Statistics, BalanceSeriesKeepsTheMostRecentDeals) {
    Statistics s;
    for (int i = 0; i < static_cast<int>(BalanceHistoryLimit) + 10; ++i)
        s.record(ScoringOption::Chi, 1, i);
    ASSERT_EQ(s.balances.size(), BalanceHistoryLimit);
    EXPECT_EQ(s.balances.front(), 10);
    EXPECT_EQ(s.of(ScoringOption::Chi).played, static_cast<int>(BalanceHistoryLimit) + 10);
}

// Points bought move the balance but not the results: the chart's line adds up the gains alone;
// a history kept before the gains were reads them from its balances, as its chart did.
TEST(Statistics, PointsBoughtAreNoWinnings) {
    Statistics s;
    s.recordPurchase(20);
    s.record(ScoringOption::Chi, -5, 15);
    s.recordPurchase(100);
    s.record(ScoringOption::Chi, 3, 118);
    EXPECT_EQ(s.pointsBought, 120);
    EXPECT_EQ(s.total().pointsWon, 3);
    EXPECT_EQ(s.gains, (std::vector<int>{-5, 3}));
    EXPECT_EQ(resultsSeries(s.gains), (std::vector<std::int64_t>{-5, -2}));
    EXPECT_EQ(gainsOfBalances({46, 32, 32}), (std::vector<int>{46, -14, 0}));
    EXPECT_EQ(resultsSeries(gainsOfBalances({46, 32, 32})),
              (std::vector<std::int64_t>{46, 32, 32}));
}

// The balances a deal can leave: at three opponents and two units a deal starts from 108 points
// and may lose 26 to each opponent per unit (a dragon settles as a block).
TEST(BalanceLimits, TheLowestBalanceADealCanLeave) {
    EXPECT_EQ(LargestPairingPoints, 26);
    EXPECT_EQ(LargestDealGain, 156);
    EXPECT_EQ(LowestBalance, -48);
    GameState g;
    g.OpponentCount = MostOpponents;
    g.UnitStake = LargestStake;
    EXPECT_EQ(pointsNeeded(g), MostOpponents * LargestStake * ChiCoverPerUnit);
}

}  // namespace
}  // namespace kov
