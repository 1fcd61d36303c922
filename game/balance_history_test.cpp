// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A history squared with the statistics: kept when it counts their deals, completed when one deal
// behind, emptied after a reset, and emptied as disagreeing in every other case.

#include "game/balance_history.h"

#include <gtest/gtest.h>

#include <numeric>

#include "game/statistics.h"

namespace kov {
namespace {

TEST(BalanceHistory, OneCountingTheStatisticsDealsStands) {
    std::vector<int> balances{46, 32, 32};
    EXPECT_EQ(squareHistory(balances, 3, 3, 32), HistoryAgreement::Agrees);
    EXPECT_EQ(balances, (std::vector<int>{46, 32, 32}));
    // Fewer lines than deals is a history begun afresh after damage.
    balances = {32};
    EXPECT_EQ(squareHistory(balances, 3, 3, 32), HistoryAgreement::Agrees);
    EXPECT_EQ(balances, std::vector<int>{32});
}

TEST(BalanceHistory, OneDealBehindIsCompletedFromTheLastBalance) {
    std::vector<int> balances{46, 32};
    EXPECT_EQ(squareHistory(balances, 2, 3, 30), HistoryAgreement::Mended);
    EXPECT_EQ(balances, (std::vector<int>{46, 32, 30}));
    balances.clear();  // none written yet: the first deal's balance
    EXPECT_EQ(squareHistory(balances, 0, 1, 7), HistoryAgreement::Mended);
    EXPECT_EQ(balances, std::vector<int>{7});
}

TEST(BalanceHistory, ACompletedFullHistoryLosesItsOldestBalance) {
    std::vector<int> balances(BalanceHistoryLimit);
    std::iota(balances.begin(), balances.end(), 0);
    const auto deals = static_cast<std::int64_t>(BalanceHistoryLimit) + 10;
    EXPECT_EQ(squareHistory(balances, deals, deals + 1, -5), HistoryAgreement::Mended);
    ASSERT_EQ(balances.size(), BalanceHistoryLimit);
    EXPECT_EQ(balances.front(), 1);
    EXPECT_EQ(balances.back(), -5);
}

TEST(BalanceHistory, OneFromBeforeAResetIsEmptied) {
    std::vector<int> balances{46, 32, 32};
    EXPECT_EQ(squareHistory(balances, 3, 0, std::nullopt), HistoryAgreement::Mended);
    EXPECT_TRUE(balances.empty());
}

TEST(BalanceHistory, AnyOtherDisagreesAndIsEmptied) {
    struct Case {
        std::int64_t historyDeals, played;
        std::optional<int> last;
    };
    for (const Case c : {Case{1, 3, 32}, Case{4, 3, 32}, Case{2, 3, std::nullopt}}) {
        std::vector<int> balances{46, 32};
        EXPECT_EQ(squareHistory(balances, c.historyDeals, c.played, c.last),
                  HistoryAgreement::Disagrees)
            << c.historyDeals << " " << c.played;
        EXPECT_TRUE(balances.empty());
    }
}

// The gains follow the balances: the completed deal's own gain, derived when the statistics hold
// none, the oldest dropped with the oldest balance, none left when the balances are emptied.
TEST(BalanceHistory, TheGainsFollowTheBalances) {
    std::vector<int> balances{46, 32}, gains{6, -14};
    EXPECT_EQ(squareHistory(balances, gains, 2, 3, 52, 0), HistoryAgreement::Mended);
    EXPECT_EQ(gains, (std::vector<int>{6, -14, 0}));  // 20 points bought before that deal
    EXPECT_EQ(squareHistory(balances, gains, 3, 4, 50, std::nullopt), HistoryAgreement::Mended);
    EXPECT_EQ(gains, (std::vector<int>{6, -14, 0, -2}));
    balances.assign(BalanceHistoryLimit, 1);
    gains.assign(BalanceHistoryLimit, 1);
    gains.front() = 9;
    EXPECT_EQ(squareHistory(balances, gains, 9000, 9001, 3, 2), HistoryAgreement::Mended);
    EXPECT_EQ(gains.size(), BalanceHistoryLimit);
    EXPECT_EQ(gains.front(), 1);
    EXPECT_EQ(gains.back(), 2);
    EXPECT_EQ(squareHistory(balances, gains, 9000, 9003, 3, 2), HistoryAgreement::Disagrees);
    EXPECT_TRUE(gains.empty());
}

}  // namespace
}  // namespace kov
