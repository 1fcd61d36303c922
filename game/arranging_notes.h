// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the table tells the player while arranging: the name of each full hand, which hands are
// out of order once all 13 cards are placed, which special holdings the 13 cards make, and the
// question to ask before a commit that the rules would mark ILLEGAL.

#include <array>
#include <optional>
#include <vector>

#include "game/game_flow.h"
#include "game/game_state.h"

namespace kov {

struct ArrangingNotes {
    // Per hand (front, middle, back): the category once the hand is full.
    std::array<std::optional<HandCategory>, 3> handCategories;
    // Once all 13 cards are placed: the middle outranks the back, the front outranks the middle.
    bool middleOverBack = false;
    bool frontOverMiddle = false;
    bool outOfOrder() const { return middleOverBack || frontOverMiddle; }
};
ArrangingNotes arrangingNotes(const GameState& g);

// The special holdings (cat::SixPairs .. cat::ThirteenStraightFlush) that these 13 cards make;
// 3 flush and 3 straight count when some split of the cards into 3, 5 and 5 makes them.
std::vector<HandCategory> specialsMade(const CardSet& holding);
// The claim button's text of a special ("6 PAIRS", "5 PAIRS, 1TRIPLE", ...), "" for any other
// category.
const char* claimButtonText(HandCategory special);

// The question to ask before a commit that the rules would mark ILLEGAL.
struct CommitQuestion {
    enum class Kind {
        None,                   // the rules accept the commit: nothing to ask
        IllegalRegular,         // REGULAR with hands out of order
        IllegalClaim,           // a claim the cards do not make
        IllegalClaimAsLaidOut,  // 3 flush or 3 straight, which another split of the cards makes
    };
    Kind kind = Kind::None;
    // IllegalRegular: the hands out of order, as arrangingNotes() has them.
    bool frontOverMiddle = false;
    bool middleOverBack = false;
    HandCategory claim = cat::Trash;  // IllegalClaim, IllegalClaimAsLaidOut: the special claimed
};
// Asked only once the rules accept the commit at all (commitRefusal() is None).
CommitQuestion commitQuestion(const GameState& g, Commit commit);

}  // namespace kov
