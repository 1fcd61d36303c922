// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Completing an arrangement's hands from the leftover cards, on the packed masks of the hands
// (packedMasks()): what the search does to every arrangement it keeps.

#include <bit>
#include <cstdint>

#include "cards/hand.h"

namespace kov {

namespace filling {

// Moves the n highest cards of `left` into `hand` (both packedMasks()): rank values from the ace
// down, the lowest suit first within a rank. When `left` holds no more than n they all go at once.
[[gnu::always_inline]] inline void takeHighest(std::uint64_t& hand, std::uint64_t& left, int n) {
    if (std::popcount(left) <= n) {
        hand |= left;
        left = 0;
        return;
    }
    while (n > 0) {
        std::uint64_t fold = left | left >> 32;
        fold |= fold >> 16;
        const auto held = static_cast<unsigned>(fold) & 0x1FFFu;
        const int rank = (held & 1u) ? 0 : std::bit_width(held) - 1;  // the ace (rank 0) first
        std::uint64_t cards = left & EverySuit << rank;
        do {
            const std::uint64_t card = cards & (~cards + 1);  // the lowest suit's
            hand |= card;
            left ^= card;
            cards ^= card;
        } while (--n > 0 && cards != 0);
    }
}

// fillHands(), inlined where the search completes an arrangement. The cards go out in one
// sequence: rank values from the ace down, suits upward within a rank. The front takes the first
// ones it lacks, then the middle, then the back. The back comes last: when it has room for every
// card left (always, when the leftovers are exactly the cards the hands lack) it takes them as
// they are.
[[gnu::always_inline]] inline void fill(Arrangement& a, const CardSet& leftover) {
    std::uint64_t left =
        packedMasks(leftover) & 0x1FFF1FFF1FFF1FFFull;  // the 13 ranks of each suit
    std::uint64_t front = packedMasks(a.front.cards), middle = packedMasks(a.middle.cards),
                  back = packedMasks(a.back.cards);
    takeHighest(front, left, 3 - std::popcount(front));
    takeHighest(middle, left, 5 - std::popcount(middle));
    takeHighest(back, left, 5 - std::popcount(back));
    a.front.cards = fromPackedMasks(front);
    a.middle.cards = fromPackedMasks(middle);
    a.back.cards = fromPackedMasks(back);
}

}  // namespace filling

// Completes the hands from the leftover cards, highest first (rank values from the ace down, the
// lowest suit first within a rank): front, then middle, then back. Categories are not recomputed.
inline void fillHands(Arrangement& a, CardSet leftover) {
    filling::fill(a, leftover);
}

}  // namespace kov
