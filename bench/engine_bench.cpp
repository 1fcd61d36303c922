// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the engine's hot paths. Inputs are prepared outside the timed loops.

#include <benchmark/benchmark.h>

#include "cards/card_text.h"
#include "deal/driver.h"
#include "deal/strategy.h"
#include "search/arrange.h"

namespace kov {
namespace {

// Row 0 of the first deal of a generator seeded with `seed`.
Holding dealtHoldingRow(std::uint32_t seed) {
    Deal deal;
    Random rng(seed);
    dealAllSeats(deal, rng);
    return deal.Rows[0];
}

// The worst holding known: twelve diamonds and a spade.
const char* WorstHolding = "Ad 2d 3d 5d 6d 7d 8d 9d Td Jd Qd Kd 9s";

// The mean time per holding is the reported time divided by 1,000.
template <typename Search>
void arrangeThousand(benchmark::State& state) {
    const std::vector<CardSet> holdings = dealtHoldings(1000, 1);
    Search search;
    ArrangementList list;
    for (auto _ : state)
        for (const CardSet& h : holdings) {
            search.arrangeSeat(h, list);
            benchmark::DoNotOptimize(list.count());
        }
    state.SetItemsProcessed(state.iterations() * 1000);
}
void BM_ArrangeSeat(benchmark::State& state) {
    arrangeThousand<SeatSearch>(state);
}
void BM_ArrangeSeatReference(benchmark::State& state) {
    arrangeThousand<ReferenceSearch>(state);
}
BENCHMARK(BM_ArrangeSeat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArrangeSeatReference)->Unit(benchmark::kMillisecond);

void BM_ArrangeWorstHolding(benchmark::State& state) {
    const CardSet h = cardsFromText(WorstHolding);
    SeatSearch search;
    ArrangementList list;
    for (auto _ : state) {
        search.arrangeSeat(h, list);
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["candidates"] = list.count();
}
BENCHMARK(BM_ArrangeWorstHolding)->Unit(benchmark::kMillisecond);

// One simulated deal, as the last one of a full evaluation of `holding` left it, scored again
// and again: by the rules as written, or on keys (the opponents' keys built each time, as the
// evaluation builds them for every simulated deal).
struct ScoringFixture {
    ScoringFixture(const Holding& holding, std::uint32_t seed, ScoringOption scoring)
        : option(scoring) {
        Deal deal;
        deal.Rows[0] = holding;
        Random rng(seed);
        evaluator.evaluateHolding(deal, rng, option);
        pairingKeys(evaluator.candidates(0), own);
    }
    void score(bool keyed) {
        const std::array<const ArrangementList*, 3> opponents = {
            &evaluator.candidates(1), &evaluator.candidates(2), &evaluator.candidates(3)};
        if (!keyed) {
            scoreAgainst(evaluator.candidates(0), opponents, option, chi.data(), set.data(),
                         pairings);
            return;
        }
        for (std::size_t j = 0; j < 3; ++j)
            pairingKeys(*opponents[j], keys[j]);
        scoreAgainstKeyed(evaluator.candidates(0), own, opponents, {&keys[0], &keys[1], &keys[2]},
                          option, chi.data(), set.data(), pairings);
    }
    ScoringOption option;
    Evaluator evaluator{ListCapacity, 1};
    std::vector<PairingKey> own;
    std::array<std::vector<PairingKey>, 3> keys;
    std::vector<std::int32_t> chi = std::vector<std::int32_t>(ListCapacity);
    std::vector<std::int32_t> set = std::vector<std::int32_t>(ListCapacity);
    std::int64_t pairings = 0;
};

// A typical holding: Args(option, keyed).
void BM_ScorePairings(benchmark::State& state) {
    ScoringFixture f(dealtHoldingRow(3), 3, static_cast<ScoringOption>(state.range(0)));
    for (auto _ : state) {
        f.score(state.range(1) != 0);
        benchmark::DoNotOptimize(f.chi[0]);
    }
}
BENCHMARK(BM_ScorePairings)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

// The worst holding's 1494 candidates against one simulated deal: Arg(keyed).
void BM_ScorePairingsWorst(benchmark::State& state) {
    ScoringFixture f(holdingOf(cardsFromText(WorstHolding)), 9, ScoringOption::Chi);
    for (auto _ : state) {
        f.score(state.range(0) != 0);
        benchmark::DoNotOptimize(f.chi[0]);
    }
}
BENCHMARK(BM_ScorePairingsWorst)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EvaluateHolding(benchmark::State& state) {
    const std::vector<CardSet> holdings = dealtHoldings(20, 2);
    Evaluator evaluator(ListCapacity, static_cast<int>(state.range(0)));
    Deal deal;
    for (auto _ : state)
        for (std::size_t i = 0; i < holdings.size(); ++i) {
            deal.Rows[0] = holdingOf(holdings[i]);
            Random rng(static_cast<std::uint32_t>(i));
            evaluator.evaluateHolding(deal, rng, ScoringOption::Chi);
            benchmark::DoNotOptimize(evaluator.chiTotal(0));
        }
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_EvaluateHolding)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_EvaluateWorstHolding(benchmark::State& state) {
    Evaluator evaluator(ListCapacity, static_cast<int>(state.range(0)));
    Deal deal;
    deal.Rows[0] = holdingOf(cardsFromText(WorstHolding));
    for (auto _ : state) {
        Random rng(9);
        evaluator.evaluateHolding(deal, rng, ScoringOption::Chi);
        benchmark::DoNotOptimize(evaluator.chiTotal(0));
    }
    state.counters["pairings"] = static_cast<double>(evaluator.pairingCount());
}
BENCHMARK(BM_EvaluateWorstHolding)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// START GAME with three opponents over 20 fixed seeds; the time is per START GAME.
void BM_StartDeal(benchmark::State& state) {
    const auto option = static_cast<ScoringOption>(state.range(0));
    Evaluator evaluator(ListCapacity, static_cast<int>(state.range(1)));
    for (auto _ : state)
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            Random rng(seed);
            Deal deal;
            SeatArrangements seats;
            const DealReport r =
                startDeal(4, option, DefaultDealChoiceThreshold, deal, seats, rng, evaluator);
            benchmark::DoNotOptimize(r.Chosen);
        }
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_StartDeal)->ArgsProduct({{0, 1}, {1, 2}})->Unit(benchmark::kMillisecond);

// One seat's choice at a level, holding after holding of 20 dealt ones: Args(strength, option).
// The time is per choice (Expert's budget is one frame, 16 ms).
void BM_ChooseAtStrength(benchmark::State& state) {
    const std::vector<CardSet> holdings = dealtHoldings(20, 4);
    const auto option = static_cast<ScoringOption>(state.range(1));
    Strategy strategy(strategyOf(static_cast<Strength>(state.range(0))));
    std::size_t i = 0;
    for (auto _ : state) {
        Random rng(static_cast<std::uint32_t>(i));
        benchmark::DoNotOptimize(strategy.choose(holdings[i], option, rng));
        i = (i + 1) % holdings.size();
    }
}
BENCHMARK(BM_ChooseAtStrength)
    ->ArgsProduct({{static_cast<int>(Strength::Normal), static_cast<int>(Strength::Hard),
                    static_cast<int>(Strength::Expert)},
                   {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Expert's choice with the worst holding known (1,494 candidates to score): Arg(option).
void BM_ChooseWorstHoldingAtExpert(benchmark::State& state) {
    const CardSet h = cardsFromText(WorstHolding);
    const auto option = static_cast<ScoringOption>(state.range(0));
    Strategy strategy(StrategyKind::Expert);
    for (auto _ : state) {
        Random rng(9);
        benchmark::DoNotOptimize(strategy.choose(h, option, rng));
    }
}
BENCHMARK(BM_ChooseWorstHoldingAtExpert)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kov

BENCHMARK_MAIN();
