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
    if (balances.size() > BalanceHistoryLimit)
        balances.erase(
            balances.begin(),
            balances.begin() + static_cast<std::ptrdiff_t>(balances.size() - BalanceHistoryLimit));
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
