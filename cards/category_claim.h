// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The categories an arrangement from outside the engine claims, checked against its cards.
//
// The search records for each hand the category of the material it was built from, and then
// fills the hand up with the lowest leftover cards, which can make more: a middle triple whose two
// fillers pair up is a full house and is still recorded as a triple. So a recorded category may be
// lower than what the cards make, but never higher. A special holding (10..15) must be one the
// seat's thirteen cards hold, tested exactly as the player's claim is, and only the player (seat 0)
// can hold an ILLEGAL arrangement.

#include <cstdint>
#include <optional>
#include <string>

#include "cards/hand.h"

namespace kov {

enum class ClaimFault : std::uint8_t {
    NotForThisHand,   // a category that cannot stand in that hand, or a block in only some hands
    AboveTheCards,    // an ordinary category higher than the hand's cards make
    SpecialNotHeld,   // a special the seat's cards (or, for 3 flush / 3 straight, the hand) lack
    IllegalNotPlayer  // ILLEGAL on a computer seat
};

struct CategoryClaimError {
    ClaimFault fault;
    Position hand;
    HandCategory claimed;
    // AboveTheCards: what the cards make; NotForThisHand: the back's category (a hand that
    // breaks a special or ILLEGAL block differs from it); otherwise the claimed category.
    HandCategory made;
};

// Nothing when every category byte of `a` is one seat `seat` may claim for its cards. Expects
// the forms the game writes: 5, 5 and 3 cards, or all thirteen cards in each hand of a special
// or ILLEGAL arrangement.
std::optional<CategoryClaimError> categoryClaimError(const Arrangement& a, int seat);

// "back", "middle" or "front".
const char* handName(Position hand);
// One line naming the hand, e.g. "back: category 8 (straight flush) is above what its cards
// make: 0 (trash)".
std::string describe(const CategoryClaimError& e);

}  // namespace kov
