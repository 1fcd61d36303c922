// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/calibrate.h"

#include <cassert>
#include <cmath>
#include <mutex>

#include "deal/arena.h"
#include "deal/expert.h"
#include "deal/task_pool.h"

namespace kov {
namespace {

// The streams of one holding: stream 0 deals the holding, 1 is the strategy's generator, then four
// per fresh deal (the deal and its three opponents' generators).
std::uint32_t streamSeed(std::uint32_t seed, int number, int stream) {
    return kov::streamSeed(seed, number, stream, 0xD1B54A32D192ED03ull);
}

struct Choice {
    Arrangement Chosen;
    double Predicted = 0;
};

// The strategy's arrangement and its own value for it: strong's total per pick; an evaluation's
// total per pairing, every candidate of the imaginary opponents counted alike; expert's mean per
// pick of its imaginary opponents.
Choice chooseAndPredict(StrategyKind kind, const CardSet& holding, ScoringOption option,
                        Random& rng) {
    const bool chi = option == ScoringOption::Chi;
    if (kind == StrategyKind::Expert) {
        ExpertPlayer player(ExpertSimulatedDeals);
        double value = 0;
        const int chosen = player.choose(holding, option, rng, &value);
        return {player.candidates()[chosen], value};
    }
    if (kind == StrategyKind::Strong) {
        StrongValues values;
        evaluateStrong(holding, {}, option, simulatedDealsOf(kind), rng, values);
        const auto at = static_cast<std::size_t>(values.chosen);
        return {values.candidates[values.chosen],
                (chi ? values.chi : values.set)[at] / static_cast<double>(values.pairings)};
    }
    Evaluator evaluator(ListCapacity, 1, false, simulatedDealsOf(kind));
    Deal deal;
    deal.Rows[0] = holdingOf(holding);
    evaluator.evaluateHolding(deal, rng, option);
    const double perCandidate = static_cast<double>(evaluator.pairingCount()) /
                                static_cast<double>(evaluator.candidates(0).count());
    return {evaluator.candidates(0)[0],
            (chi ? evaluator.chiTotal(0) : evaluator.setTotal(0)) / perCandidate};
}

}  // namespace

bool predictsValue(StrategyKind kind) {
    return simulatedDealsOf(kind) > 0 || kind == StrategyKind::Expert;
}

HoldingCalibration calibrateHolding(StrategyKind kind, std::uint32_t seed, int number,
                                    ScoringOption option, int deals) {
    assert(predictsValue(kind) && deals > 0);
    Random dealing(streamSeed(seed, number, 0));
    Deal deal;
    dealAllSeats(deal, dealing);
    const CardSet holding = setOf(deal.Rows[0]);
    Random rng(streamSeed(seed, number, 1));
    const Choice choice = chooseAndPredict(kind, holding, option, rng);

    Strategy normal(StrategyKind::Normal);
    std::int64_t points = 0;
    for (int k = 0; k < deals; ++k) {
        Random fresh(streamSeed(seed, number, 2 + 4 * k));
        redealUnseen(deal, fresh);
        for (std::size_t s = 1; s < 4; ++s) {
            Random own(streamSeed(seed, number, 2 + 4 * k + static_cast<int>(s)));
            const Arrangement opponent = normal.choose(setOf(deal.Rows[s]), option, own);
            points += headsUpPoints(choice.Chosen, opponent, option);
        }
    }
    return {choice.Predicted, static_cast<double>(points) / (3.0 * deals)};
}

CalibrationResult summarizeCalibration(const std::vector<HoldingCalibration>& holdings) {
    CalibrationResult r;
    r.Holdings = static_cast<int>(holdings.size());
    if (r.Holdings == 0) return r;
    const double n = r.Holdings;
    for (const HoldingCalibration& h : holdings) {
        r.Predicted += h.Predicted / n;
        r.Realized += h.Realized / n;
    }
    r.Difference = r.Realized - r.Predicted;
    double squares = 0;
    for (const HoldingCalibration& h : holdings) {
        const double e = h.Realized - h.Predicted - r.Difference;
        squares += e * e;
    }
    const double stddev = r.Holdings > 1 ? std::sqrt(squares / (n - 1)) : 0.0;
    const double half = 1.96 * stddev / std::sqrt(n);
    r.Low = r.Difference - half;
    r.High = r.Difference + half;
    return r;
}

CalibrationResult calibrate(StrategyKind kind, int holdings, std::uint32_t seed,
                            ScoringOption option, int threads,
                            const std::function<void(int)>& progress) {
    assert(holdings >= 1 && threads >= 1);
    std::vector<HoldingCalibration> results(static_cast<std::size_t>(holdings));
    TaskPool pool(std::max(1, std::min(threads, holdings)));
    std::mutex progressMutex;
    int done = 0;
    pool.run(holdings, [&](int, int h) {
        results[static_cast<std::size_t>(h)] = calibrateHolding(kind, seed, h, option);
        if (progress) {
            std::lock_guard lock(progressMutex);
            progress(++done);
        }
    });
    return summarizeCalibration(results);
}

}  // namespace kov
