// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The deal driver behind START GAME: deal, evaluate every seat in play, rank the holdings and
// choose by one or two draws which holding the human (seat 0) receives.

#include <array>
#include <functional>
#include <vector>

#include "deal/evaluate.h"

namespace kov {

// Percentages indexed [seats in play - 2][scoring option]; all 50 as start-up sets them.
using ThresholdTable = std::array<std::array<int, 2>, 3>;
inline constexpr ThresholdTable DefaultDealChoiceThreshold = {{{50, 50}, {50, 50}, {50, 50}}};

// What one START GAME decided, for the caller and the engine tool.
struct DealReport {
    Deal SavedDeal;                        // the holdings as first dealt
    std::array<double, 4> HoldingValue{};  // per seat in play
    std::array<int, 4> Order{};            // seats from the lowest to the highest value
    std::vector<int> Draws;                // r1, or r1 and r2
    int Chosen = 0;                        // the seat whose holding the human received
    bool Overflowed = false;               // some candidate list filled up
};

// n seats in play (2..4). Afterwards row 0 of `deal` holds the human's holding and
// seats[0..n-1] the arrangements the seats play. `progress` gets (seat, simulated deals done).
DealReport startDeal(int n, ScoringOption option, const ThresholdTable& thresholds, Deal& deal,
                     SeatArrangements& seats, Random& rng, Evaluator& evaluator,
                     const std::function<void(int, int)>& progress = {});

// Seats ranked by ascending value; equal values are never exchanged.
std::array<int, 4> rankSeats(const std::array<double, 4>& values, int n);
// The seat chosen for the human from the ranking and the draws.
int chooseSeat(const std::array<int, 4>& order, int n, int threshold, int r1, int r2);

}  // namespace kov
