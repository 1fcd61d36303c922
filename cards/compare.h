// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Order within a category, equality, arrangement dominance and the legality of an arrangement.
// Comparisons answer only "less"; callers ask less(a, b) and less(b, a).

#include "cards/hand.h"

namespace kov {

// A rank pattern by rank value (see valueMask()): the order the comparisons read it in.
struct RankValues {
    std::uint16_t held, one, two, three, four;
};
constexpr RankValues rankValues(const RankPattern& p) {
    return {valueMask(p.held), valueMask(p.one), valueMask(p.two), valueMask(p.three),
            valueMask(p.four)};
}

// 0 for A-2-3-4-5 up to 9 for 10-J-Q-K-A; 0 for a set without a five-card run.
int straightKey(const CardSet& s);

bool lessFive(const CardSet& a, const CardSet& b, HandCategory category);
bool lessFront(const CardSet& a, const CardSet& b, HandCategory category);
bool equalFive(const CardSet& a, const CardSet& b, HandCategory category);
bool equalFront(const CardSet& a, const CardSet& b, HandCategory category);
// A middle (a) against a front (b) of the same category: only the middle's three highest
// cards (trash), its highest pair, or its highest triple take part.
bool lessCoarse(const CardSet& a, const CardSet& b, HandCategory category);

// Every hand of a ranks at or above the same hand of b; never for specials.
bool dominates(const Arrangement& a, const Arrangement& b);
bool sameArrangementRank(const Arrangement& a, const Arrangement& b);

// Stores the player's regular arrangement with its categories; false (and IllegalMarker in
// every category) when the hands are out of order.
bool evaluateArrangement(Arrangement& seat, const CardSet& front, const CardSet& middle,
                         const CardSet& back);

}  // namespace kov
