// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

HistoryAgreement squareHistory(std::vector<int>& balances, std::vector<int>& gains,
                               std::int64_t historyDeals, std::int64_t played,
                               std::optional<int> lastBalance, std::optional<int> lastGain) {
    const int before = balances.empty() ? 0 : balances.back();
    const HistoryAgreement agreement = squareHistory(balances, historyDeals, played, lastBalance);
    if (balances.empty()) {
        gains.clear();
    } else if (agreement == HistoryAgreement::Mended) {
        gains.push_back(lastGain.value_or(balances.back() - before));
        if (gains.size() > balances.size()) gains.erase(gains.begin());
    }
    return agreement;
}

}  // namespace kov
