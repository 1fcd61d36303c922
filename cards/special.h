// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The six special thirteen-card holdings, settled as one block.

#include <cstdint>

#include "cards/hand.h"

namespace kov {

// cat::SixPairs .. cat::ThirteenStraightFlush; writes the special's payout through `payout` when
// given.
bool isSpecialCategory(HandCategory category, std::int32_t* payout = nullptr);
// The specials shown and settled as one block: six pairs, five pairs and a triple, and the two
// thirteen-card straights.
bool isDeclaredOutright(HandCategory category);
// Wins the set outright under the set option: a back quadruple or straight flush, or a special.
bool isStrongCategory(HandCategory category);

// Checks the player's claim of special `category` and stores it (or ILLEGAL) in `seat`; false
// without a change when `category` is not a special.
bool declareSpecial(Arrangement& seat, const CardSet& front, const CardSet& middle,
                    const CardSet& back, const CardSet& rest, HandCategory category);

// Pair count of a holding: a rank held twice counts 1, four times 2.
int pairCount(const CardSet& s);
// Ranks held exactly three times.
int tripleCount(const CardSet& s);

}  // namespace kov
