// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Seat evaluation by simulated deals: every candidate of the holding in row 0 plays every
// candidate of three imaginary opponents over 100 random deals of the unseen cards.
//
// The random numbers of the simulated deals do not depend on their results, so all 100 deals are
// drawn first, in order, and then arranged and scored on several threads, each with its own
// search and tallies. The tallies are integer sums: the outcome is the same for any thread count.
//
// The parts of an evaluation have headers of their own, all included here: the pairing keys
// (deal/pairing_keys.h), the scoring by the rule as written (deal/rule_scoring.h) and on keys by
// columns (deal/column_scoring.h), a thread's search and scoring (deal/seat_scoring.h), and the
// order of the candidates (deal/candidate_order.h, with Evaluator::orderCandidates()).

#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "deal/candidate_order.h"
#include "deal/column_scoring.h"
#include "deal/dealing.h"
#include "deal/pairing_keys.h"
#include "deal/rule_scoring.h"
#include "deal/seat_scoring.h"
#include "deal/task_pool.h"
#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

constexpr int SimulatedDeals = 100;

class Evaluator {
  public:
    // threads = 0: one per hardware thread. reference = true: the straightforward search and
    // scoring (the oracle of the tests); the results are the same. simulatedDeals: how many deals
    // each evaluation simulates (the computer's seats play with SimulatedDeals).
    explicit Evaluator(int capacity = ListCapacity, int threads = 1, bool reference = false,
                       int simulatedDeals = SimulatedDeals);
    ~Evaluator();

    // Arranges row 0, re-deals rows 1..3 simulatedDeals() times (39 draws each), arranges and
    // scores them, and orders the candidates so the one to play stands first. `progress`, when
    // given, is called with the number of simulated deals done (from any thread, one call at a
    // time).
    void evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                         const std::function<void(int)>& progress = {});

    // What evaluateHoldings() keeps of each holding's evaluation.
    struct HoldingResult {
        Arrangement Best;            // the candidate to play
        std::int32_t BestTotal = 0;  // its total under the option
        std::int64_t Pairings = 0;   // pairingCount()
        int Candidates = 0;          // the length of the holding's list
        bool Overflowed = false;     // overflowed()
    };
    // Evaluates holdings[0..count-1] exactly as evaluateHolding() would one after the other, each
    // put into row 0 of `deal` in turn. The draws of every simulated deal of every holding come
    // first, in that order; the simulated deals of all holdings then run as one batch of tasks.
    // Afterwards row 0 holds the last holding and the evaluator shows that holding's evaluation.
    // `progress` gets (holding, simulated deals of it done).
    void evaluateHoldings(const Holding* holdings, int count, Deal& deal, Random& rng,
                          ScoringOption option, std::vector<HoldingResult>& results,
                          const std::function<void(int, int)>& progress = {});

    void clearTallies();
    // Scores the opponents' lists now in seats 1..3 against seat 0's.
    void scorePairings(ScoringOption option);
    // Puts the highest total under the option first, by selection sort with exchange: place p
    // (from the first) takes the first entry of highest total among places p, p+1, ... as they
    // stand, and the entry it displaces moves to the place that one left. Totals come out from
    // the highest down; equal totals need not keep their search order, since a displaced entry
    // can land behind an equal one that stood after it. This order is the game's.
    void orderCandidates(ScoringOption option);

    // Seats 0..3.
    const ArrangementList& candidates(int seat) const {
        assert(seat >= 0 && seat < 4);
        return seats_[static_cast<std::size_t>(seat)];
    }
    ArrangementList& candidates(int seat) {
        assert(seat >= 0 && seat < 4);
        return seats_[static_cast<std::size_t>(seat)];
    }
    std::int32_t chiTotal(int i) const { return chiTotal_[static_cast<std::size_t>(i)]; }
    std::int32_t setTotal(int i) const { return setTotal_[static_cast<std::size_t>(i)]; }
    std::int64_t pairingCount() const { return pairingCount_; }
    // A list of this evaluation filled up (the results stand on what the lists held).
    bool overflowed() const { return overflowed_; }
    int threads() const { return pool_.participants(); }
    int simulatedDeals() const { return simulatedDeals_; }

  private:
    struct Worker;

    // The own lists of the holdings of one batch, and what the batch found for each.
    struct OwnSlot;

    std::array<ArrangementList, 4> seats_;
    std::vector<std::unique_ptr<OwnSlot>> slots_;
    int capacity_;
    std::vector<std::int32_t> chiTotal_;
    std::vector<std::int32_t> setTotal_;
    int talliesInUse_ = 0;  // the tallies below this index may be other than zero
    std::int64_t pairingCount_ = 0;
    bool overflowed_ = false;
    int simulatedDeals_ = SimulatedDeals;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<Deal> simulated_;
    std::vector<int> partner_, tree_;  // orderCandidates' working storage
    TaskPool pool_;
};

}  // namespace kov
