// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The balances and deal results the game can reach, and so the only ones a stored file may hold.
// Points are bought in steps of 1 to 20 and never taken away but by a deal; a deal may start only
// when the balance covers 18 points per opponent and unit of stake under the chi option (1 under
// the set option, see pointsNeeded), but a seat can lose more than that to one opponent: a
// special holding settles as a block at its back payout (up to 26), and a regular arrangement at
// most a front of three aces at three times its payout, the best middle and the best back.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "cards/payout.h"

namespace kov {

namespace detail {
// The largest entry of table[from, to), leaving out the categories that cannot stand there.
template <typename Table>
constexpr std::int32_t largestPayout(const Table& table, std::size_t from, std::size_t to) {
    std::int32_t most = 0;
    for (std::size_t c = from; c < to && c < table.size(); ++c)
        if (table[c] != NoPayout) most = std::max(most, table[c]);
    return most;
}
}  // namespace detail

constexpr int MostOpponents = 3;
constexpr int LargestStake = 2;
constexpr int ChiCoverPerUnit = 18;  // pointsNeeded's points per opponent and unit under chi

// The most one pairing moves, in units before the stake, under the chi option (the set option
// moves 1).
constexpr int LargestPairingPoints =
    std::max(detail::largestPayout(BackPayout, index(cat::SixPairs), BackPayout.size()),
             detail::largestPayout(FrontPayout, 0, FrontPayout.size()) * AceTripleFactor +
                 detail::largestPayout(MiddlePayout, 0, MiddlePayout.size()) +
                 detail::largestPayout(BackPayout, 0, index(cat::SixPairs)));

// A deal's gain lies within +-LargestDealGain: every opponent at the largest stake.
constexpr int LargestDealGain = MostOpponents * LargestStake * LargestPairingPoints;

// The lowest balance a deal can leave: the least balance that may start one at the most
// opponents and the largest stake, less the largest loss.
constexpr int LowestBalance = MostOpponents * LargestStake * ChiCoverPerUnit - LargestDealGain;

// Purchases and wins add up without a ceiling short of the balance's own type.
constexpr int HighestBalance = std::numeric_limits<int>::max();

}  // namespace kov
