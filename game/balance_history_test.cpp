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

}  // namespace
}  // namespace kov
