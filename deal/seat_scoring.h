// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One evaluation thread's seat search and pairing scoring, behind one interface.

#include <array>
#include <cstdint>
#include <memory>

#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

// How one thread arranges seats and scores the pairings of a simulated deal: the keyed search
// and scoring of the game, or the straightforward ones (ReferenceSearch and scoreAgainst).
class SeatScoring {
  public:
    virtual ~SeatScoring() = default;
    virtual void arrangeSeat(const CardSet& holding, ArrangementList& out) = 0;
    // A list of the last search filled up.
    virtual bool overflowed() const = 0;
    // Takes the own list of holding `slot` (0, 1, ...) before its pairings are scored.
    virtual void setOwn(int slot, const ArrangementList& own) = 0;
    // scoreAgainst() of the own list of `slot` (the one given to setOwn) and the three
    // opponents' lists.
    virtual void score(int slot, const ArrangementList& own,
                       const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
                       std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount) = 0;
};

// The keyed search and scoring of the game (SeatSearch, pairing keys and scoreColumns()), or with
// reference = true the straightforward ones (ReferenceSearch and scoreAgainst()), for lists of
// up to `capacity` entries. The results are the same.
std::unique_ptr<SeatScoring> makeSeatScoring(int capacity, bool reference);

}  // namespace kov
