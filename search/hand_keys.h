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

#include <cstdint>

#include "cards/compare.h"
#include "cards/hand.h"

namespace kov {

struct HandKey {
    std::uint32_t Less = 0;   // category << 24 | tuple
    std::uint64_t Equal = 0;  // category << 56 | tuple of the equality test
    bool Exact = true;
};

// The first `steps` (1..5) values of a value mask from the top, 4 bits each with the highest
// first (0 where none is left): comparing two such numbers compares the masks' top values in turn.
std::uint32_t topValues(std::uint16_t vmask, int steps);

HandKey fiveKey(const CardSet& cards, HandCategory category);
HandKey frontKey(const CardSet& cards, HandCategory category);

// An arrangement's keys, compact for the dominance scans: back, middle, front.
struct ArrangementKey {
    std::uint32_t Less[3] = {0, 0, 0};
    bool Exact = true;  // all three hand keys exact
    std::uint64_t Equal[3] = {0, 0, 0};
};

ArrangementKey arrangementKey(const Arrangement& a);

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
