// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pairings of a simulated deal scored on pairing keys (deal/pairing_keys.h): the opponents'
// arrangements the keys answer are scored against every own candidate at once, four candidates
// to a vector; the sums are those of scoreAgainst() (deal/rule_scoring.h).

#include <array>
#include <cstdint>
#include <vector>

#include "deal/pairing_keys.h"
#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

// The same scoring on precomputed keys: a pairing is a few integer compares and table lookups.
void scoreAgainstKeyed(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                       const std::array<const ArrangementList*, 3>& opponents,
                       const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                       ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount);

// Seat 0's pairing keys laid out for scoring one opponent arrangement against every own
// candidate in one pass: per hand slot (as in PairingKey) the less keys and what a win there
// pays. The candidates the keys answer (exact and ordinary) are marked; the others are scored
// pairing by pairing. The lists are padded to whole groups of four with unmarked entries.
struct OwnColumns {
    std::vector<std::int32_t> Less[3], Win[3];
    std::vector<std::int32_t> Keyed;   // all ones for a candidate the keys answer, else 0
    std::vector<std::int32_t> Strong;  // all ones for a strong back, else 0
    std::vector<int> ByRules;          // the candidates scored pairing by pairing
    void build(const std::vector<PairingKey>& keys);
};

// The working storage of scoreColumns(): the sums of one scoring, and the opponents'
// arrangements it takes by columns.
struct ColumnScratch {
    std::vector<std::int32_t> Sums;
    std::vector<const PairingKey*> Keyed;
};

// scoreAgainstKeyed() with the columns of `ownKeys` built beforehand; the sums are the same.
// The opponents' arrangements the keys answer are taken four at a time against the columns.
void scoreColumns(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                  const OwnColumns& columns, const std::array<const ArrangementList*, 3>& opponents,
                  const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                  ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                  std::int64_t& pairingCount, ColumnScratch& scratch);

}  // namespace kov
