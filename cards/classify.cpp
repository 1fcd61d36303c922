// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/classify.h"

namespace kov {

int runStart(std::uint16_t singles, int length) {
    int counter = 0;
    for (int p = 0; p <= 13; ++p) {
        if ((singles >> (p % 13)) & 1) {
            ++counter;
            if (p == 13 && counter == length) return 14 - length;
        } else {
            if (counter == length) return p - length;
            counter = 0;
        }
    }
    return -1;
}

namespace {

// The categories' rank patterns. classifyFive asks them from the strongest down, so each need
// only tell its own pattern from the weaker ones.
bool isQuadrupleHand(const CardSet& s) {
    const RankPattern p = rankPattern(s);
    return bitCount16(p.four) == 1 && bitCount16(p.one) == 1;
}

bool isStraightFlushHand(const CardSet& s) {
    for (std::uint16_t m : s.mask)
        for (std::uint16_t straight : StraightMasks)
            if (m == straight) return true;
    return false;
}

bool isFullHouseHand(const CardSet& s) {
    const RankPattern p = rankPattern(s);
    return bitCount16(p.three) == 1 && bitCount16(p.two) == 1;
}

bool isTripleHand(const CardSet& s) {
    const RankPattern p = rankPattern(s);
    if (bitCount16(p.three) != 1) return false;
    const int singles = bitCount16(p.one);
    const int cards = cardCount(s);
    return (singles == 2 && cards == 5) || (singles == 0 && cards == 3);
}

bool isTwoPairsHand(const CardSet& s) {
    const RankPattern p = rankPattern(s);
    return bitCount16(p.two) == 2 && bitCount16(p.one) == 1;
}

bool hasPair(const CardSet& s) {
    const RankPattern p = rankPattern(s);
    return (p.two | p.three | p.four) != 0;
}

// Exactly one suit of n cards, the other three empty.
bool isOneSuitOf(const CardSet& s, int n) {
    int found = 0;
    for (std::uint16_t m : s.mask) {
        const int bits = bitCount16(m);
        if (bits == n) {
            ++found;
        } else if (bits != 0) {
            return false;
        }
    }
    return found == 1;
}

}  // namespace

bool isFlush5(const CardSet& s) {
    return isOneSuitOf(s, 5);
}
bool isFlush3(const CardSet& s) {
    return isOneSuitOf(s, 3);
}
bool isStraight5(const CardSet& s) {
    return runStart(rankPattern(s).one, 5) >= 0;
}
bool isStraight3(const CardSet& s) {
    // runStart(one, 3) >= 0 in a few steps: some run of exactly three set positions in 0..13 (the
    // ace at both ends), unset or outside the range on either side.
    const unsigned one = rankPattern(s).one;
    const unsigned ext = one | (one & 1u) << 13;
    return (ext & ext >> 1 & ext >> 2 & ~(ext << 1) & ~(ext >> 3)) != 0;
}

HandCategory classifyFive(const CardSet& s) {
    if (isQuadrupleHand(s)) return cat::Quadruple;
    if (isStraightFlushHand(s)) return cat::StraightFlush;
    if (isFullHouseHand(s)) return cat::FullHouse;
    if (isFlush5(s)) return cat::Flush;
    if (isStraight5(s)) return cat::Straight;
    if (isTripleHand(s)) return cat::Triple;
    if (isTwoPairsHand(s)) return cat::TwoPairs;
    if (hasPair(s)) return cat::Pair;
    return cat::Trash;
}

HandCategory classifyFront(const CardSet& s) {
    if (isTripleHand(s)) return cat::Triple;
    if (hasPair(s)) return cat::Pair;
    return cat::Trash;
}

}  // namespace kov
