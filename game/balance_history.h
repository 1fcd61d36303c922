// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a balance history kept in its own file is squared with the statistics it belongs to. The
// statistics (with the balance of the last deal they count) are saved first and the history after
// them, carrying its own count of deals; so a save interrupted between the two leaves a history
// one deal behind, and a reset interrupted so leaves the old deals' history. Anything else is a
// history that no interrupted save can leave.

#include <cstdint>
#include <optional>
#include <vector>

namespace kov {

enum class HistoryAgreement {
    Agrees,     // it counts the deals the statistics count: kept as it stands
    Mended,     // one deal behind, or from before a reset: completed or emptied
    Disagrees,  // two deals behind, ahead, or lacking the last balance: emptied
};

// Squares `balances`, a history that counted `historyDeals` deals, with statistics that count
// `played` deals and hold `lastBalance`, the balance the last of them left (nothing when they
// hold none). A mended history must be written again at once, before a later save moves the
// statistics further on.
HistoryAgreement squareHistory(std::vector<int>& balances, std::int64_t historyDeals,
                               std::int64_t played, std::optional<int> lastBalance);

// The same for a history that keeps each deal's gain beside its balance (as many of them): a
// completed deal's gain is `lastGain`, or when the statistics hold none, its balance less the one
// before.
HistoryAgreement squareHistory(std::vector<int>& balances, std::vector<int>& gains,
                               std::int64_t historyDeals, std::int64_t played,
                               std::optional<int> lastBalance, std::optional<int> lastGain);

}  // namespace kov
