// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rows the results view shows for one seat: a label, the cards in display order and the
// points beside each of the front, middle and back rows.

#include <array>
#include <string>
#include <vector>

#include "settle/settlement.h"

namespace kov {

struct ResultRows {
    std::array<std::string, 3> names;          // front, middle, back
    std::array<HandCategory, 3> categories{};  // the named categories; IllegalMarker: ILLEGAL
    std::array<CardFaceNumber, 13> cards{};    // 0..2 front, 3..7 middle, 8..12 back
    std::array<std::int32_t, 3> points{};      // front, middle, back
    int pointsShown = 0;                       // 1 (block special, set option) or 3
};

// The number beside a row: for the player the sum over the opponents, for a computer seat the
// player's result against that seat.
std::int32_t seatHandTotal(const Settlement& settlement, Position position, int seat);

// Appends the hand's cards in display order. Within one rank the suits go hearts, diamonds, clubs,
// spades. The block specials (see isDeclaredOutright) lay out the seat's 13 cards ace to king and
// take one slice per call (3, 5, 5 cards), cycling `slice` through 0, 1, 2.
void displayOrder(const CardSet& hand, HandCategory category, std::vector<CardFaceNumber>& out,
                  int& slice);

ResultRows resultRow(const Settlement& settlement, const Arrangement& seatArrangement, int seat,
                     ScoringOption option);

}  // namespace kov
