// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Dealing the deck to four rows, and re-dealing the 39 cards that seat 0 cannot see.

#include <array>
#include <vector>

#include "cards/card_set.h"
#include "deal/random.h"

namespace kov {

// Four rows of 13 cards, row s = seat s, each in drawing order. Row 0 is also the slot that the
// search and the evaluation work on.
struct Deal {
    std::array<Holding, 4> Rows{};
    bool operator==(const Deal&) const = default;
};

// Shuffles the whole deck into rows 0..3 (52 draws).
void dealAllSeats(Deal& deal, Random& rng);
// Keeps row 0 and deals the other 39 cards at random into rows 1..3 (39 draws).
bool redealUnseen(Deal& deal, Random& rng);
// The four rows together are the whole deck, no card twice.
bool checkDeal(const Deal& deal);

// n holdings taken row by row from successive deals of a generator seeded with `seed`: a fixed,
// reproducible set of random holdings for benchmarks and signatures.
std::vector<CardSet> dealtHoldings(int n, std::uint32_t seed);

// The start-up step: seeds the generator from the calendar time and builds the start-up tables.
// Returns the seed used.
std::uint32_t initDealing(Random& rng);

}  // namespace kov
