// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/arena.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <mutex>

#include "deal/task_pool.h"

namespace kov {
namespace {

// The streams of one deal, a golden-ratio step apart.
std::uint32_t streamSeed(std::uint32_t seed, int number, int stream) {
    return kov::streamSeed(seed, number, stream, 0x9E3779B97F4A7C15ull);
}

}  // namespace

ArenaDeal arenaDeal(std::uint32_t seed, int number) {
    ArenaDeal out;
    Random rng(streamSeed(seed, number, 0));
    Deal deal;
    dealAllSeats(deal, rng);
    for (std::size_t h = 0; h < 2; ++h) {
        out.Holdings[h] = setOf(deal.Rows[h]);
        out.StrategySeeds[h] = streamSeed(seed, number, 1 + static_cast<int>(h));
    }
    return out;
}

ArenaChoices::ArenaChoices(std::vector<StrategyKind> kinds, int deals)
    : kinds_(std::move(kinds)),
      deals_(deals),
      choices_(static_cast<std::size_t>(deals) * 2 * kinds_.size()) {}

ArenaChoices playArena(const std::vector<StrategyKind>& kinds, int deals, std::uint32_t seed,
                       ScoringOption option, int threads,
                       const std::function<void(int)>& progress) {
    assert(deals >= 0 && threads >= 1);
    ArenaChoices choices(kinds, deals);
    TaskPool pool(std::max(1, std::min(threads, deals)));  // no thread without a deal to play
    // Each thread its own strategies: their searches and evaluators are working storage.
    std::vector<std::vector<Strategy>> strategies(static_cast<std::size_t>(pool.participants()));
    for (auto& own : strategies) {
        own.reserve(kinds.size());
        for (StrategyKind kind : kinds)
            own.emplace_back(kind);
    }
    std::mutex progressMutex;
    int done = 0;
    pool.run(deals, [&](int participant, int d) {
        const ArenaDeal deal = arenaDeal(seed, d);
        auto& own = strategies[static_cast<std::size_t>(participant)];
        for (int h = 0; h < 2; ++h)
            for (std::size_t k = 0; k < own.size(); ++k) {
                // Every strategy starts from the same generator state for the holding: a
                // strategy playing itself makes the same choices on both sides.
                Random rng(deal.StrategySeeds[static_cast<std::size_t>(h)]);
                choices.at(d, h, static_cast<int>(k)) =
                    own[k].choose(deal.Holdings[static_cast<std::size_t>(h)], option, rng);
            }
        if (progress) {
            std::lock_guard lock(progressMutex);
            progress(++done);
        }
    });
    return choices;
}

std::int32_t headsUpPoints(const Arrangement& a, const Arrangement& b, ScoringOption option) {
    SeatArrangements seats{a, b, Arrangement{}, Arrangement{}};
    Settlement settlement;
    settlement.settleDeal(seats, 2, option);
    return settlement.FrontResult[0][1] + settlement.MiddleResult[0][1] +
           settlement.BackResult[0][1];
}

ArenaResult summarizeArena(const std::vector<std::int64_t>& doubledScores) {
    ArenaResult r;
    r.Deals = static_cast<int>(doubledScores.size());
    if (r.Deals == 0) return r;
    std::int64_t sum = 0, squares = 0;
    for (std::int64_t x : doubledScores) {
        sum += x;
        squares += x * x;
    }
    const auto n = static_cast<std::int64_t>(r.Deals);
    r.Mean = static_cast<double>(sum) / static_cast<double>(2 * n);
    if (n > 1) {
        // Sample variance of the halved scores, its numerator kept in integers.
        const std::int64_t numerator = squares * n - sum * sum;
        r.Stddev = std::sqrt(static_cast<double>(numerator) / static_cast<double>(4 * n * (n - 1)));
    }
    const double half = 1.96 * r.Stddev / std::sqrt(static_cast<double>(n));
    r.Low = r.Mean - half;
    r.High = r.Mean + half;
    return r;
}

ArenaResult scorePairing(const ArenaChoices& choices, int a, int b, ScoringOption option) {
    std::vector<std::int64_t> scores(static_cast<std::size_t>(choices.deals()));
    for (int d = 0; d < choices.deals(); ++d)
        scores[static_cast<std::size_t>(d)] =
            headsUpPoints(choices.at(d, 0, a), choices.at(d, 1, b), option) +
            headsUpPoints(choices.at(d, 1, a), choices.at(d, 0, b), option);
    return summarizeArena(scores);
}

}  // namespace kov
