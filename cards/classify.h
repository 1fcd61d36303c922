// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rank-pattern tests and the classification of five- and three-card hands.

#include "cards/hand.h"

namespace kov {

// Five cards of one suit, five ranks in a run (ace low or high).
bool isFlush5(const CardSet& s);
bool isStraight5(const CardSet& s);
// Three cards of one suit, three ranks in a run: a front's part of the three-hand specials.
bool isFlush3(const CardSet& s);
bool isStraight3(const CardSet& s);

// The category of five cards (cat::Trash .. cat::StraightFlush) and of a front of three
// (cat::Trash, cat::Pair or cat::Triple).
HandCategory classifyFive(const CardSet& s);
HandCategory classifyFront(const CardSet& s);

// The run scan over positions 0..13 (position 13 is the ace again): the start position of the
// first run of exactly `length` positions whose bit is set in `singles`, ended by an unset
// position or by the high ace; -1 without one. Runs never wrap from king to two. Straights are
// this scan over the ranks held once (see straightKey()).
int runStart(std::uint16_t singles, int length);

}  // namespace kov
