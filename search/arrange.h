// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The computer's arrangement search: the special holdings a seat qualifies for, then every
// ordinary arrangement built around strong back and middle candidates that no other dominates.
//
// The search is written once, as BasicSeatSearch, and runs with one of two sets of steps: the
// keyed steps of search/keyed_steps.h (SeatSearch, the game's search), which compare arrangements
// on precomputed hand keys, and the straightforward steps of search/reference_steps.h
// (ReferenceSearch), which ask the hand rules themselves. The straightforward search is the oracle
// the keyed one must match entry for entry.

#include <cassert>
#include <vector>

#include "cards/hand.h"
#include "search/candidates.h"
#include "search/fill_hands.h"
#include "search/hand_keys.h"
#include "search/keyed_steps.h"

namespace kov {

// cat::SixPairs, cat::FivePairsTriple, or cat::Trash when the holding is neither.
HandCategory pairSpecialOf(const CardSet& holding);

class ReferenceSteps;

// Working storage of one search. One object per thread: two searches never share one.
template <typename Steps>
class BasicSeatSearch {
  public:
    explicit BasicSeatSearch(int capacity = ListCapacity);

    // Fills `out` (emptied first) with the candidates of the 13 cards `holding`; `out` holds no
    // more entries than the capacity this search was made with. Afterwards
    // overflowed() tells whether any list of the search filled up; the search still completes
    // with what the lists hold.
    void arrangeSeat(const CardSet& holding, ArrangementList& out);
    bool overflowed() const { return overflowed_; }
    // The steps, with what they keep of the last search (the keyed steps: the list's keys).
    const Steps& steps() const { return steps_; }

  private:
    void searchMiddles(const CardSet& holding, const Hand& back, ArrangementList& out);
    // Whether `back` is a straight that offers the same keys as the back before it (see
    // searchMiddles()); kept for the next back.
    bool repeatsStraight(const Hand& back, const CardSet& rest, const RankPattern& pattern);
    // The arrangement of `back` and `middle` with the front the leftover cards offer, if any.
    void offerMiddle(const Hand& back, const CardSet& rest, const RankPattern& restPattern,
                     const Hand& middle, ArrangementList& out);
    // buildMiddles()'s middles handed to `each` one at a time, in the same order, for the steps
    // that reuse the holding's candidates and lists that never fill (see roomy_).
    template <typename Each>
    void streamMiddles(const CardSet& rest, const RankPattern& pattern, const Hand& back,
                       Each&& each);
    void buildMiddles(const CardSet& rest, const RankPattern& pattern, const Hand& back);
    // The parts of buildMiddles() for the steps that reuse the holding's candidates.
    template <typename Each>
    void reuseMiddles(const CardSet& rest, const RankPattern& pattern, const Hand& back,
                      HandCategory k, Each&& each, int topWindow = 9);
    void middlesByRanks(const CardSet& rest, const RankPattern& pattern, HandCategory k,
                        bool& pairsSkipped);

    CandidateList backCandidates_;
    int backSegment_[OrdinaryCategories.size()][2] = {};  // each category's back candidates
    // Where the straights of each window (t: from rank t up) and the flushes of each suit begin
    // among the back candidates; the last entry is where they end.
    int straightsFrom_[11] = {};
    int flushesFrom_[SuitCount + 1] = {};
    CandidateList middleCandidates_;
    CandidateList frontScratch_;
    Steps steps_;
    bool straightsFlag_ = false;
    bool flushesFlag_ = false;
    bool overflowed_ = false;
    // The ranks of the last back if a straight (else none), and the rest it left (of the same
    // rank pattern as the rest of a straight of the same ranks).
    std::uint16_t lastStraight_ = 0;
    CardSet lastStraightRest_;
    // The lists hold more entries than any holding gives backs (5-card and smaller subsets of
    // 13 cards: 2,379) or any back middles (those of the 8 cards left: 218), so that only the
    // output can fill up.
    bool roomy_;
};

// The game's search.
using SeatSearch = BasicSeatSearch<KeyedSteps>;

}  // namespace kov

#include "search/reference_steps.h"

namespace kov {

// The straightforward search: every comparison through the hand rules themselves.
using ReferenceSearch = BasicSeatSearch<ReferenceSteps>;

extern template class BasicSeatSearch<KeyedSteps>;
extern template class BasicSeatSearch<ReferenceSteps>;

}  // namespace kov
