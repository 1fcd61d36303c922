#pragma once
// Order keys of hands, computed once per hand so that the comparisons of the hand rules become
// integer compares. Every comparison within a category is a lexicographic comparison of a tuple
// that each hand determines alone (for hands a, b of category k):
//
//   lessFive(a, b, k)    ==  fiveKey(a, k).less    <  fiveKey(b, k).less
//   equalFive(a, b, k)   ==  fiveKey(a, k).equal   == fiveKey(b, k).equal
//   lessFront(a, b, k)   ==  frontKey(a, k).less   <  frontKey(b, k).less
//   equalFront(a, b, k)  ==  frontKey(a, k).equal  == frontKey(b, k).equal
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
    std::uint32_t less = 0;   // category << 24 | tuple
    std::uint64_t equal = 0;  // category << 56 | tuple of the equality test
    bool exact = true;
};

HandKey fiveKey(const CardSet& cards, HandCategory category);
HandKey frontKey(const CardSet& cards, HandCategory category);

// An arrangement's keys, compact for the dominance scans: back, middle, front.
struct ArrangementKey {
    std::uint32_t less[3] = {0, 0, 0};
    bool special = false;  // a special holding in the back: never dominates, never dominated
    bool exact = true;     // all three hand keys exact
    std::uint64_t equal[3] = {0, 0, 0};
};

ArrangementKey arrangementKey(const Arrangement& a);

// dominates() and sameArrangementRank() of the hand rules, on precomputed keys. Hands whose keys
// are inexact, and specials (whose keys are never exact), go to the rules themselves.
inline bool dominatesKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                           const ArrangementKey& kb) {
    if (!ka.exact || !kb.exact) return dominates(a, b);
    return ka.less[0] >= kb.less[0] && ka.less[1] >= kb.less[1] && ka.less[2] >= kb.less[2];
}

inline bool sameRankKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                          const ArrangementKey& kb) {
    if (!ka.exact || !kb.exact) return sameArrangementRank(a, b);
    return ka.equal[0] == kb.equal[0] && ka.equal[1] == kb.equal[1] && ka.equal[2] == kb.equal[2];
}

}  // namespace kov
