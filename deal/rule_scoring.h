// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pairings of a simulated deal scored by the rule as written, hand by hand: the oracle the
// keyed scorings (deal/column_scoring.h) must match.

#include <array>
#include <cstdint>

#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

// Adds the pairings of every candidate of `own` against every candidate of the three opponents
// to the tallies (indexed like `own`). Specials and strong backs settle as a block; no ace factor.
// This is the rule as written, hand by hand through handPoints().
void scoreAgainst(const ArrangementList& own,
                  const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
                  std::int32_t* chiTotal, std::int32_t* setTotal, std::int64_t& pairingCount);

}  // namespace kov
