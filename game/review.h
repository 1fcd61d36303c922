// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A review of the player's deal: the arrangement the computer would have played with the
// player's 13 cards, and what the player's own arrangement and the computer's choice are worth on
// the same simulated deals. The review measures at the suggestion's level (AdvisorStrength, Hard):
// the strong evaluation chooses, and the player's arrangement meets the very arrangements the
// imaginary opponents picked in each simulated deal, choosing as the computer's seats do without
// seeing the player's cards: the values are the expected result per opponent and deal against
// the computer's opponents. It draws from a generator of its own, seeded
// from the holding, so it changes nothing in the game and the same cards always get the same
// review.

#include "deal/evaluate.h"
#include "deal/strategy.h"

namespace kov {

// The same arrangement for settling: the same special, or the same cards in every hand.
bool sameArrangement(const Arrangement& a, const Arrangement& b);

struct DealReview {
    ScoringOption option = ScoringOption::Chi;
    int deals = 0;
    Arrangement computer;  // the candidate the computer would have played
    Arrangement player;    // what the player played
    // Average points a pairing under the option (per simulated opponent's pick).
    double computerValue = 0, playerValue = 0;
    bool sameChoice = false;
};
// The review over `deals` simulated deals of the strong evaluation (evaluateStrong), drawn from a
// generator seeded like the suggestion's (suggestionSeed()). With the level's own number of
// deals, the default, the computer's choice is Strategy(strategyOf(AdvisorStrength)).choose()
// from that generator: the suggestion (H) itself.
DealReview reviewDeal(const Holding& holding, const Arrangement& played, ScoringOption option,
                      int deals = simulatedDealsOf(strategyOf(AdvisorStrength)));

}  // namespace kov
