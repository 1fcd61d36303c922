// The record after a scripted series of deals under both scoring options.

#include "game/statistics.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kov
