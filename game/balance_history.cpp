#include "game/balance_history.h"

#include "game/statistics.h"

namespace kov {

HistoryAgreement squareHistory(std::vector<int>& balances, std::int64_t historyDeals,
                               std::int64_t played, std::optional<int> lastBalance) {
    if (historyDeals == played) return HistoryAgreement::Agrees;
    if (played == 0) {  // the statistics were reset after this history was written
        balances.clear();
        return HistoryAgreement::Mended;
    }
    if (historyDeals + 1 == played && lastBalance) {  // the last deal's balance never reached it
        balances.push_back(*lastBalance);
        if (balances.size() > BalanceHistoryLimit) balances.erase(balances.begin());
        return HistoryAgreement::Mended;
    }
    balances.clear();
    return HistoryAgreement::Disagrees;
}

}  // namespace kov
