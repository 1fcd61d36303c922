// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/dealing.h"

#include <cassert>
#include <ctime>

namespace kov {
namespace {

// Draws `count` cards from the first n entries of the pile into the rows from `firstRow` on:
// each draw takes pile[r] and moves the last card of the pile into its place.
void drawInto(Deal& deal, Random& rng, std::array<int, DeckSize>& pile, int n, int firstRow,
              int count) {
    assert(count % 13 == 0);
    for (int row = firstRow; row < firstRow + count / 13; ++row)
        for (CardIndex& place : deal.Rows[static_cast<std::size_t>(row)]) {
            const int r = rng.nextRandom() % n;
            const int card = pile[r];
            pile[r] = pile[n - 1];
            --n;
            place = static_cast<CardIndex>(card);
        }
}

}  // namespace

void dealAllSeats(Deal& deal, Random& rng) {
    std::array<int, DeckSize> pile;
    for (int c = 0; c < DeckSize; ++c)
        pile[c] = c;
    drawInto(deal, rng, pile, DeckSize, 0, DeckSize);
    assert(checkDeal(deal));
}

bool redealUnseen(Deal& deal, Random& rng) {
    std::array<int, DeckSize> pile;
    for (int c = 0; c < DeckSize; ++c)
        pile[c] = c;
    for (CardIndex c : deal.Rows[0])
        pile[c] = -1;
    // Compact: every hole left by a card of row 0 takes the highest card still in the pile. The
    // first hole only moves up (the places below it are all filled), so one pass from each end.
    int n = DeckSize;
    int i = 0;
    while (true) {
        while (n > 0 && pile[n - 1] == -1)
            --n;
        if (n <= 39) break;
        while (i < n && pile[i] != -1)
            ++i;
        if (i == n) break;  // no hole left: row 0 repeated a card
        pile[i] = pile[n - 1];
        --n;
    }
    drawInto(deal, rng, pile, n, 1, 39);
    return checkDeal(deal);
}

bool checkDeal(const Deal& deal) {
    // 52 places: every card is there exactly when every card is there at least once.
    std::uint64_t seen = 0;
    for (const Holding& row : deal.Rows)
        for (CardIndex c : row) {
            if (c >= DeckSize) return false;
            seen |= std::uint64_t{1} << c;
        }
    return seen == (std::uint64_t{1} << DeckSize) - 1;
}

std::vector<CardSet> dealtHoldings(int n, std::uint32_t seed) {
    std::vector<CardSet> out;
    Random rng(seed);
    Deal deal;
    while (static_cast<int>(out.size()) < n) {
        dealAllSeats(deal, rng);
        for (const Holding& row : deal.Rows)
            if (static_cast<int>(out.size()) < n) out.push_back(setOf(row));
    }
    return out;
}

std::uint32_t initDealing(Random& rng) {
    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    rng.seedRandom(seed);
    (void)fiveRankMaskList();
    return seed;
}

}  // namespace kov
