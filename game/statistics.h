// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The player's record over many deals: per scoring option the deals played, won, lost and tied,
// the points won and lost and the best and worst deal; the balance after every deal and the
// deal's own result, for the chart; and the points bought, which are no deal's winnings. Deals
// are counted by their gain in points (the result times the stake).

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
    std::vector<int> gains;                    // each of those deals' gain, as many
    std::int64_t pointsBought = 0;             // bought since the statistics began

    const OptionStatistics& of(ScoringOption option) const {
        return byOption[static_cast<std::size_t>(option)];
    }
    // One finished deal: its gain and the balance it left.
    void record(ScoringOption option, int gain, int balanceAfter);
    // Points bought on the settings panel: part of the balance, not of the results.
    void recordPurchase(int points) { pointsBought += points; }
    OptionStatistics total() const;
    void reset() { *this = Statistics{}; }
    bool operator==(const Statistics&) const = default;
};

// Trims both series to the most recent BalanceHistoryLimit deals.
void keepRecentDeals(std::vector<int>& balances, std::vector<int>& gains);

// The gains of a history kept before they were: each balance less the one before (the first as
// it stands), so its chart reads as the balances did, purchases and all.
std::vector<int> gainsOfBalances(const std::vector<int>& balances);

// The chart's line: the gains added up deal by deal from 0, purchases left out.
std::vector<std::int64_t> resultsSeries(const std::vector<int>& gains);

}  // namespace kov
