// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/evaluate.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace kov {
namespace {

int threadCount(int requested) {
    if (requested > 0) return requested;
    const unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : static_cast<int>(hw);
}

}  // namespace

// One thread's working storage: its own search and scoring, the opponents' lists and partial
// tallies per holding of the batch.
struct Evaluator::Worker {
    Worker(std::unique_ptr<SeatScoring> s, int capacity)
        : Scoring(std::move(s)),
          Opponents{ArrangementList(capacity), ArrangementList(capacity),
                    ArrangementList(capacity)} {}
    struct Tally {
        std::vector<std::int32_t> Chi, Set;
        std::int64_t Pairings = 0;
        bool Overflowed = false;
    };
    std::unique_ptr<SeatScoring> Scoring;
    std::array<ArrangementList, 3> Opponents;
    std::vector<Tally> Tallies;
};

struct Evaluator::OwnSlot {
    explicit OwnSlot(int capacity) : Own(capacity) {}
    ArrangementList Own;
    bool Overflowed = false;
};

Evaluator::Evaluator(int capacity, int threads, bool reference, int simulatedDeals)
    : seats_{ArrangementList(capacity), ArrangementList(capacity), ArrangementList(capacity),
             ArrangementList(capacity)},
      capacity_(capacity),
      chiTotal_(static_cast<std::size_t>(capacity)),
      setTotal_(static_cast<std::size_t>(capacity)),
      simulatedDeals_(simulatedDeals),
      simulated_(static_cast<std::size_t>(simulatedDeals)),
      pool_(threadCount(threads)) {
    for (int t = 0; t < pool_.participants(); ++t) {
        workers_.push_back(
            std::make_unique<Worker>(makeSeatScoring(capacity, reference), capacity));
    }
}

Evaluator::~Evaluator() = default;

void Evaluator::evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                                const std::function<void(int)>& progress) {
    std::function<void(int, int)> step;
    if (progress) step = [&](int, int done) { progress(done); };
    std::vector<HoldingResult> results;
    const Holding holding = deal.Rows[0];
    evaluateHoldings(&holding, 1, deal, rng, option, results, step);
}

void Evaluator::evaluateHoldings(const Holding* holdings, int count, Deal& deal, Random& rng,
                                 ScoringOption option, std::vector<HoldingResult>& results,
                                 const std::function<void(int, int)>& progress) {
    assert(count >= 1);
    const auto slots = static_cast<std::size_t>(count);
    while (slots_.size() < slots)
        slots_.push_back(std::make_unique<OwnSlot>(capacity_));
    if (simulated_.size() < slots * simulatedDeals_) simulated_.resize(slots * simulatedDeals_);
    // Every holding's own list, then the draws, in order: 39 per simulated deal.
    SeatScoring& first = *workers_.front()->Scoring;
    for (std::size_t s = 0; s < slots; ++s) {
        OwnSlot& slot = *slots_[s];
        first.arrangeSeat(setOf(holdings[s]), slot.Own);
        slot.Overflowed = first.overflowed();
        deal.Rows[0] = holdings[s];
        for (int k = 0; k < simulatedDeals_; ++k) {
            redealUnseen(deal, rng);
            simulated_[s * simulatedDeals_ + static_cast<std::size_t>(k)] = deal;
        }
    }
    for (auto& w : workers_) {
        if (w->Tallies.size() < slots) w->Tallies.resize(slots);
        for (std::size_t s = 0; s < slots; ++s) {
            Worker::Tally& t = w->Tallies[s];
            const auto own = static_cast<std::size_t>(slots_[s]->Own.count());
            t.Chi.assign(own, 0);
            t.Set.assign(own, 0);
            t.Pairings = 0;
            t.Overflowed = false;
            w->Scoring->setOwn(static_cast<int>(s), slots_[s]->Own);
        }
    }
    std::mutex progressMutex;
    std::vector<int> done(slots, 0);
    pool_.run(count * simulatedDeals_, [&](int participant, int task) {
        Worker& w = *workers_[static_cast<std::size_t>(participant)];
        const auto s = static_cast<std::size_t>(task / simulatedDeals_);
        Worker::Tally& t = w.Tallies[s];
        // All three opponents are simulated, whatever the number in play.
        for (int seat = 1; seat <= 3; ++seat) {
            w.Scoring->arrangeSeat(setOf(simulated_[static_cast<std::size_t>(task)]
                                             .Rows[static_cast<std::size_t>(seat)]),
                                   w.Opponents[static_cast<std::size_t>(seat - 1)]);
            t.Overflowed = t.Overflowed || w.Scoring->overflowed();
        }
        w.Scoring->score(static_cast<int>(s), slots_[s]->Own,
                         {&w.Opponents[0], &w.Opponents[1], &w.Opponents[2]}, option, t.Chi.data(),
                         t.Set.data(), t.Pairings);
        if (task ==
            count * simulatedDeals_ - 1)  // the lists of the last simulated deal stay visible
            for (int seat = 1; seat <= 3; ++seat)
                seats_[static_cast<std::size_t>(seat)].copyFrom(
                    w.Opponents[static_cast<std::size_t>(seat - 1)]);
        if (progress) {
            std::lock_guard lock(progressMutex);
            progress(static_cast<int>(s), ++done[s]);
        }
    });
    results.resize(slots);
    for (std::size_t s = 0; s < slots; ++s) {
        seats_[0].copyFrom(slots_[s]->Own);
        overflowed_ = slots_[s]->Overflowed;
        clearTallies();
        const int own = seats_[0].count();
        talliesInUse_ = std::max(talliesInUse_, own);
        for (const auto& w : workers_) {
            const Worker::Tally& t = w->Tallies[s];
            for (int i = 0; i < own; ++i) {
                chiTotal_[static_cast<std::size_t>(i)] += t.Chi[static_cast<std::size_t>(i)];
                setTotal_[static_cast<std::size_t>(i)] += t.Set[static_cast<std::size_t>(i)];
            }
            pairingCount_ += t.Pairings;
            overflowed_ = overflowed_ || t.Overflowed;
        }
        orderCandidates(option);
        HoldingResult& r = results[s];
        r.Best = seats_[0][0];
        r.BestTotal = option == ScoringOption::Chi ? chiTotal_[0] : setTotal_[0];
        r.Pairings = pairingCount_;
        r.Candidates = own;
        r.Overflowed = overflowed_;
    }
}

void Evaluator::clearTallies() {
    // Only the entries written since the last clearing can be other than zero.
    std::fill(chiTotal_.begin(), chiTotal_.begin() + talliesInUse_, 0);
    std::fill(setTotal_.begin(), setTotal_.begin() + talliesInUse_, 0);
    talliesInUse_ = 0;
    pairingCount_ = 0;
}

void Evaluator::scorePairings(ScoringOption option) {
    talliesInUse_ = std::max(talliesInUse_, seats_[0].count());
    scoreAgainst(seats_[0], {&seats_[1], &seats_[2], &seats_[3]}, option, chiTotal_.data(),
                 setTotal_.data(), pairingCount_);
}

}  // namespace kov
