// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/review.h"

#include "cards/special.h"
#include "game/suggestion.h"

namespace kov {

bool sameArrangement(const Arrangement& a, const Arrangement& b) {
    const bool sa = isSpecialCategory(a.back.category), sb = isSpecialCategory(b.back.category);
    if (sa || sb) return sa && sb && a.back.category == b.back.category;
    return a.back.cards == b.back.cards && a.middle.cards == b.middle.cards &&
           a.front.cards == b.front.cards && a.back.category == b.back.category;
}

DealReview reviewDeal(const Holding& holding, const Arrangement& played, ScoringOption option,
                      int deals) {
    DealReview review;
    review.option = option;
    review.deals = deals;
    review.player = played;
    Random rng(suggestionSeed(setOf(holding)));
    StrongValues values;
    evaluateStrong(setOf(holding), {played}, option, deals, rng, values);
    const std::vector<std::int32_t>& totals =
        option == ScoringOption::Chi ? values.chi : values.set;
    const double pairings = values.pairings > 0 ? static_cast<double>(values.pairings) : 1.0;
    review.computer = values.candidates[values.chosen];
    review.computerValue = totals[static_cast<std::size_t>(values.chosen)] / pairings;
    const std::int32_t own = option == ScoringOption::Chi ? values.extraChi[0] : values.extraSet[0];
    review.playerValue = own / pairings;
    review.sameChoice = sameArrangement(played, review.computer);
    return review;
}

}  // namespace kov
