// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/statistics.h"

#include <algorithm>

namespace kov {

void Statistics::record(ScoringOption option, int gain, int balanceAfter) {
    OptionStatistics& s = byOption[static_cast<std::size_t>(option)];
    if (s.played == 0) {
        s.best = s.worst = gain;
    } else {
        s.best = std::max(s.best, gain);
        s.worst = std::min(s.worst, gain);
    }
    ++s.played;
    if (gain > 0) {
        ++s.won;
        s.pointsWon += gain;
    } else if (gain < 0) {
        ++s.lost;
        s.pointsLost -= gain;
    } else {
        ++s.tied;
    }
    balances.push_back(balanceAfter);
    gains.push_back(gain);
    keepRecentDeals(balances, gains);
}

void keepRecentDeals(std::vector<int>& balances, std::vector<int>& gains) {
    for (std::vector<int>* series : {&balances, &gains})
        if (series->size() > BalanceHistoryLimit)
            series->erase(series->begin(),
                          series->end() - static_cast<std::ptrdiff_t>(BalanceHistoryLimit));
}

std::vector<int> gainsOfBalances(const std::vector<int>& balances) {
    std::vector<int> gains(balances.size());
    for (std::size_t i = 0; i < balances.size(); ++i)
        gains[i] = i == 0 ? balances[0] : balances[i] - balances[i - 1];
    return gains;
}

std::vector<std::int64_t> resultsSeries(const std::vector<int>& gains) {
    std::vector<std::int64_t> series;
    std::int64_t sum = 0;
    for (int g : gains)
        series.push_back(sum += g);
    return series;
}

OptionStatistics Statistics::total() const {
    OptionStatistics t;
    bool any = false;
    for (const OptionStatistics& s : byOption) {
        if (s.played == 0) continue;
        t.best = any ? std::max(t.best, s.best) : s.best;
        t.worst = any ? std::min(t.worst, s.worst) : s.worst;
        any = true;
        t.played += s.played;
        t.won += s.won;
        t.lost += s.lost;
        t.tied += s.tied;
        t.pointsWon += s.pointsWon;
        t.pointsLost += s.pointsLost;
    }
    return t;
}

}  // namespace kov
