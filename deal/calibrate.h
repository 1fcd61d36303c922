// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How honest a strategy's own estimate is. For each of a set of holdings the strategy chooses its
// arrangement and predicts what it is worth (the figure the review shows: the expected result per
// opponent and deal, in points under the chi option, in sets under the set option); the
// arrangement then plays fresh deals of the other 39 cards against three opponents arranging as
// the computer's seats do (normal). The difference realized - predicted is the estimate's bias.
//
// Every random number comes from the seed and the holding's number: the holding (13 cards of a
// fresh shuffled deck), the strategy's generator, each fresh deal and each opponent's generator.
// The result is the same on any number of threads.

#include <cstdint>
#include <functional>
#include <vector>

#include "deal/strategy.h"

namespace kov {

// Fresh deals each holding's choice plays: 30 deals, 90 opponents.
constexpr int CalibrationDeals = 30;

// The strategies that predict a value: those that evaluate (easy, normal, deep, strong) and expert.
bool predictsValue(StrategyKind kind);

// The prediction and the realized result of holding `number` of `seed`, per opponent and deal.
struct HoldingCalibration {
    double Predicted = 0, Realized = 0;
};
HoldingCalibration calibrateHolding(StrategyKind kind, std::uint32_t seed, int number,
                                    ScoringOption option, int deals = CalibrationDeals);

// Means over the holdings, and the 95 % interval of the mean of the per-holding differences
// (mean +- 1.96 stddev / sqrt(holdings)).
struct CalibrationResult {
    int Holdings = 0;
    double Predicted = 0, Realized = 0, Difference = 0, Low = 0, High = 0;
};
CalibrationResult summarizeCalibration(const std::vector<HoldingCalibration>& holdings);

// Holdings 0..holdings-1 of `seed` on `threads` threads. `progress`, when given, is called with
// the number of holdings done, one call at a time.
CalibrationResult calibrate(StrategyKind kind, int holdings, std::uint32_t seed,
                            ScoringOption option, int threads,
                            const std::function<void(int)>& progress = {});

}  // namespace kov
