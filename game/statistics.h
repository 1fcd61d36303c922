#pragma once
// The player's record over many deals: per scoring option the deals played, won, lost and tied,
// the points won and lost and the best and worst deal; and the balance after every deal, for the
// chart. Deals are counted by their gain in points (the result times the stake).

#include <array>
#include <cstdint>
#include <vector>

#include "settle/settlement.h"

namespace kov {

struct OptionStatistics {
    std::int64_t played = 0, won = 0, lost = 0, tied = 0;
    std::int64_t pointsWon = 0, pointsLost = 0;  // both counted upwards from 0
    int best = 0, worst = 0;                     // meaningful once played > 0
    bool operator==(const OptionStatistics&) const = default;
};

// The balance series keeps the most recent deals only.
constexpr std::size_t BalanceHistoryLimit = 5000;

struct Statistics {
    std::array<OptionStatistics, 2> byOption;  // indexed by ScoringOption
    std::vector<int> balances;                 // the balance after each deal, oldest first

    const OptionStatistics& of(ScoringOption option) const {
        return byOption[static_cast<std::size_t>(option)];
    }
    // One finished deal: its gain and the balance it left.
    void record(ScoringOption option, int gain, int balanceAfter);
    OptionStatistics total() const;
    void reset() { *this = Statistics{}; }
    bool operator==(const Statistics&) const = default;
};

}  // namespace kov
