// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Order keys of hands, computed once per hand so that the comparisons of the hand rules become
// integer compares. Every comparison within a category is a lexicographic comparison of a tuple
// that each hand determines alone (for hands a, b of category k):
//
//   lessFive(a, b, k)    ==  fiveKey(a, k).Less    <  fiveKey(b, k).Less
//   equalFive(a, b, k)   ==  fiveKey(a, k).Equal   == fiveKey(b, k).Equal
//   lessFront(a, b, k)   ==  frontKey(a, k).Less   <  frontKey(b, k).Less
//   equalFront(a, b, k)  ==  frontKey(a, k).Equal  == frontKey(b, k).Equal
//
// The category sits above the tuple, so comparing two packed keys orders by category first, as
// dominance and hand points do. One case is not a tuple: "trash" compared on cards that hold a
// rank twice (a trash hand whose filler paired up). Such keys are marked inexact, and callers
// compare those hands with the rules themselves.

#include <array>
#include <cstdint>

#include "cards/compare.h"
#include "cards/hand.h"

namespace kov {

struct HandKey {
    std::uint32_t Less = 0;   // category << 24 | tuple
    std::uint64_t Equal = 0;  // category << 56 | tuple of the equality test
    bool Exact = true;
};

// The first five values of every 13-bit rank mask (the ace at bit 0) from the top, 4 bits each
// with the highest first (0 where none is left).
extern const std::array<std::uint32_t, 8192> TopFiveByRank;

// The first `steps` (1..5) values of a rank mask from the top, 4 bits each with the highest first
// (0 where none is left): comparing two such numbers compares the masks' top values in turn.
inline std::uint32_t topRankValues(std::uint16_t rankMask, int steps) {
    return TopFiveByRank[rankMask & 0x1FFFu] >> (4 * (5 - steps));
}

// straightKey() of the cards with rank pattern p, quick for five single ranks.
std::uint32_t straightKeyOf(const CardSet& cards, const RankPattern& p);

// Both key functions are inlined into their callers: the search keys every hand it offers.
[[gnu::always_inline]] inline HandKey fiveKey(const CardSet& cards, HandCategory category) {
    HandKey key;
    if (category > cat::StraightFlush) {
        key.Exact = false;
        return key;
    }
    const RankPattern p = rankPattern(cards);
    const auto vm = [](std::uint16_t m) { return valueMask(m); };
    // The whole rank pattern, for the equality tests that need every rank.
    const auto pattern = [&p] {
        return static_cast<std::uint64_t>(p.one) | static_cast<std::uint64_t>(p.two) << 13 |
               static_cast<std::uint64_t>(p.three) << 26 | static_cast<std::uint64_t>(p.four) << 39;
    };
    std::uint32_t less = 0;
    std::uint64_t equal = 0;
    switch (category) {
        case cat::Trash:
            // With single cards only, the first rank from the top where two hands differ is held
            // by one of them: a higher mask is the stronger hand.
            key.Exact = p.held == p.one;
            less = vm(p.held);
            equal = pattern();
            break;
        case cat::Pair: {
            const std::uint32_t pair = topRankValues(p.two, 1);
            less = pair << 12 | topRankValues(p.one, 3);
            equal = pair;
            break;
        }
        case cat::TwoPairs: {
            const std::uint32_t pairs = topRankValues(p.two, 2);
            less = pairs << 4 | topRankValues(p.one, 1);
            equal = pairs;
            break;
        }
        case cat::Triple:
            less = topRankValues(p.three, 1);
            equal = less;
            break;
        case cat::FullHouse:
            less = topRankValues(p.three, 1);
            equal = less << 4 | topRankValues(p.two, 1);
            break;
        case cat::Straight:
        case cat::StraightFlush:
            less = straightKeyOf(cards, p);
            equal = pattern();
            break;
        case cat::Flush:
            less = topRankValues(p.held, 5);
            equal = less;
            break;
        default:  // quadruple
            less = topRankValues(p.four, 1);
            equal = less;
            break;
    }
    key.Less = static_cast<std::uint32_t>(category) << 24 | less;
    key.Equal = static_cast<std::uint64_t>(category) << 56 | equal;
    return key;
}

[[gnu::always_inline]] inline HandKey frontKey(const CardSet& cards, HandCategory category) {
    HandKey key;
    const RankPattern p = rankPattern(cards);
    std::uint32_t less;
    switch (category) {
        case cat::Trash:
            less = topRankValues(p.one, 3);
            break;
        case cat::Pair:
            less = topRankValues(p.two, 1) << 4 | topRankValues(p.one, 1);
            break;
        case cat::Triple:
            less = topRankValues(p.three, 1);
            break;
        default:
            key.Exact = false;
            return key;
    }
    key.Less = static_cast<std::uint32_t>(category) << 24 | less;
    key.Equal = key.Less;
    return key;
}

// An arrangement's keys, compact for the dominance scans: back, middle, front.
struct ArrangementKey {
    std::uint32_t Less[3] = {0, 0, 0};
    bool Exact = true;  // all three hand keys exact
    std::uint64_t Equal[3] = {0, 0, 0};
};

// The keys of an arrangement whose hands have keys back, middle and front.
[[gnu::always_inline]] inline ArrangementKey keysOfHands(const HandKey& back, const HandKey& middle,
                                                         const HandKey& front) {
    ArrangementKey k;
    k.Less[0] = back.Less;
    k.Less[1] = middle.Less;
    k.Less[2] = front.Less;
    k.Equal[0] = back.Equal;
    k.Equal[1] = middle.Equal;
    k.Equal[2] = front.Equal;
    k.Exact = back.Exact && middle.Exact && front.Exact;
    return k;
}

inline ArrangementKey arrangementKey(const Arrangement& a) {
    return keysOfHands(fiveKey(a.back.cards, a.back.category),
                       fiveKey(a.middle.cards, a.middle.category),
                       frontKey(a.front.cards, a.front.category));
}

// dominates() and sameArrangementRank() of the hand rules, on precomputed keys. Hands whose keys
// are inexact, and specials (whose keys are never exact), go to the rules themselves.
inline bool dominatesKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                           const ArrangementKey& kb) {
    if (!ka.Exact || !kb.Exact) return dominates(a, b);
    return ka.Less[0] >= kb.Less[0] && ka.Less[1] >= kb.Less[1] && ka.Less[2] >= kb.Less[2];
}

inline bool sameRankKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                          const ArrangementKey& kb) {
    if (!ka.Exact || !kb.Exact) return sameArrangementRank(a, b);
    return ka.Equal[0] == kb.Equal[0] && ka.Equal[1] == kb.Equal[1] && ka.Equal[2] == kb.Equal[2];
}

}  // namespace kov
