// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The computer's advice for the player's own 13 cards: the arrangement a computer seat would play
// with them, found by the same simulated-deal evaluation under the current scoring option.
//
// The evaluation draws its simulated deals from a generator of its own, seeded from the holding,
// so asking changes nothing else in the game (the game's deal sequence stays the same) and the
// same cards always get the same advice.

#include <array>
#include <cstdint>

#include "deal/evaluate.h"
#include "deal/strategy.h"
#include "game/game_state.h"

namespace kov {

struct Suggestion {
    // The evaluation's first candidate, in the rules' order back, middle, front.
    Arrangement arrangement;
    // A special holding (cat::SixPairs .. cat::ThirteenStraightFlush) claimed as such, or trash.
    HandCategory special = cat::Trash;
    // Whether the table can show it: every ordinary arrangement, and 3 flush and 3 straight,
    // which are claimed on their 3/5/5 split. The other specials are claimed on the 13 cards.
    bool placeable = true;
    // The arrangement row's 13 face numbers (front, middle, back) when placeable.
    std::array<int, HoldingSize> cells{};
};

// The seed of the suggestion's own generator: a function of the holding alone.
std::uint32_t suggestionSeed(const CardSet& holding);

// Evaluates the 13 cards `holding` with as many simulated deals as `evaluator` runs (the
// computer's seats use SimulatedDeals) and answers the first candidate.
Suggestion suggestArrangement(const CardSet& holding, ScoringOption option, Evaluator& evaluator);

// The arrangement `strategy` chooses for `holding`, drawing from the suggestion's own generator
// (the game suggests at AdvisorStrength).
Suggestion suggestArrangement(const CardSet& holding, ScoringOption option, Strategy& strategy);

}  // namespace kov
