// Benchmarks of the engine's hot paths. Inputs are prepared outside the timed loops.

#include <benchmark/benchmark.h>

#include "cards/card_text.h"
#include "deal/driver.h"
#include "search/arrange.h"

namespace kov {
namespace {

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

// One simulated deal's pairings for a typical holding, under each option, by the rules as written.
void BM_ScorePairings(benchmark::State& state) {
    const auto option = static_cast<ScoringOption>(state.range(0));
    Evaluator evaluator(ListCapacity, 1);
    Deal deal;
    Random rng(3);
    dealAllSeats(deal, rng);
    evaluator.evaluateHolding(deal, rng, option);  // fills seat 0 and the last opponents
    for (auto _ : state) {
        evaluator.clearTallies();
        evaluator.scorePairings(option);
        benchmark::DoNotOptimize(evaluator.pairingCount());
    }
    state.counters["pairings"] = static_cast<double>(evaluator.pairingCount());
}
BENCHMARK(BM_ScorePairings)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same simulated deal scored on precomputed keys, the opponents' keys built inside the loop
// as the evaluation builds them for every simulated deal.
void BM_ScorePairingsKeyed(benchmark::State& state) {
    const auto option = static_cast<ScoringOption>(state.range(0));
    Evaluator evaluator(ListCapacity, 1);
    Deal deal;
    Random rng(3);
    dealAllSeats(deal, rng);
    evaluator.evaluateHolding(deal, rng, option);
    std::vector<PairingKey> own;
    std::array<std::vector<PairingKey>, 3> keys;
    pairingKeys(evaluator.candidates(0), own);
    std::vector<std::int32_t> chi(ListCapacity), set(ListCapacity);
    std::int64_t pairings = 0;
    for (auto _ : state) {
        for (int j = 0; j < 3; ++j)
            pairingKeys(evaluator.candidates(j + 1), keys[static_cast<std::size_t>(j)]);
        scoreAgainstKeyed(
            evaluator.candidates(0), own,
            {&evaluator.candidates(1), &evaluator.candidates(2), &evaluator.candidates(3)},
            {&keys[0], &keys[1], &keys[2]}, option, chi.data(), set.data(), pairings);
        benchmark::DoNotOptimize(chi[0]);
    }
}
BENCHMARK(BM_ScorePairingsKeyed)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every pairing of the worst holding's 1494 candidates against one simulated deal, both ways.
void BM_ScorePairingsWorst(benchmark::State& state) {
    const bool keyed = state.range(0) != 0;
    Evaluator evaluator(ListCapacity, 1);
    Deal deal;
    deal.rows[0] = holdingOf(cardsFromText(WorstHolding));
    Random rng(9);
    evaluator.evaluateHolding(deal, rng, ScoringOption::Chi);
    std::vector<PairingKey> own;
    std::array<std::vector<PairingKey>, 3> keys;
    pairingKeys(evaluator.candidates(0), own);
    std::vector<std::int32_t> chi(ListCapacity), set(ListCapacity);
    std::int64_t pairings = 0;
    for (auto _ : state) {
        if (keyed) {
            for (int j = 0; j < 3; ++j)
                pairingKeys(evaluator.candidates(j + 1), keys[static_cast<std::size_t>(j)]);
            scoreAgainstKeyed(
                evaluator.candidates(0), own,
                {&evaluator.candidates(1), &evaluator.candidates(2), &evaluator.candidates(3)},
                {&keys[0], &keys[1], &keys[2]}, ScoringOption::Chi, chi.data(), set.data(),
                pairings);
        } else {
            scoreAgainst(
                evaluator.candidates(0),
                {&evaluator.candidates(1), &evaluator.candidates(2), &evaluator.candidates(3)},
                ScoringOption::Chi, chi.data(), set.data(), pairings);
        }
        benchmark::DoNotOptimize(chi[0]);
    }
}
BENCHMARK(BM_ScorePairingsWorst)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EvaluateHolding(benchmark::State& state) {
    const std::vector<CardSet> holdings = dealtHoldings(20, 2);
    Evaluator evaluator(ListCapacity, static_cast<int>(state.range(0)));
    Deal deal;
    for (auto _ : state)
        for (std::size_t i = 0; i < holdings.size(); ++i) {
            deal.rows[0] = holdingOf(holdings[i]);
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
    deal.rows[0] = holdingOf(cardsFromText(WorstHolding));
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
            benchmark::DoNotOptimize(r.chosen);
        }
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_StartDeal)
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 2})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kov

BENCHMARK_MAIN();
