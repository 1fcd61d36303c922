#pragma once
// Order keys of hands, computed once per hand so that the comparisons of the hand rules become
// integer compares. Every comparison within a category is a lexicographic comparison of a tuple
// that each hand determines alone:
//
//   lessFive(a, b, k)   == (key(a) < key(b))       equalFive(a, b, k) == (equalKey(a) ==
//   equalKey(b)) lessFront(a, b, k)  == (key(a) < key(b))       equalFront(a, b, k) == (key(a) ==
//   key(b))
//
// The category sits above the tuple, so comparing two packed keys orders by category first, as
// dominance and hand points do. One case is not a tuple: "trash" compared on cards that hold a
// rank twice (a trash hand whose filler paired up). Such keys are marked inexact, and callers
// compare those hands with the rules themselves.

#include <cstdint>

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
    bool special = false;  // 10..15 in the back: never dominates, never dominated
    bool exact = true;     // all three hand keys exact
    std::uint64_t equal[3] = {0, 0, 0};
};

ArrangementKey arrangementKey(const Arrangement& a);

// dominates() and sameArrangementRank() of the hand rules, on precomputed keys. Hands whose keys
// are inexact, and specials, go to the rules themselves.
bool dominatesByRules(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                      const ArrangementKey& kb);
bool sameRankByRules(const Arrangement& a, const Arrangement& b);

inline bool dominatesKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                           const ArrangementKey& kb) {
    if (ka.special || kb.special || !ka.exact || !kb.exact) return dominatesByRules(a, ka, b, kb);
    return ka.less[0] >= kb.less[0] && ka.less[1] >= kb.less[1] && ka.less[2] >= kb.less[2];
}

inline bool sameRankKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                          const ArrangementKey& kb) {
    if (ka.special || kb.special || !ka.exact || !kb.exact) return sameRankByRules(a, b);
    return ka.equal[0] == kb.equal[0] && ka.equal[1] == kb.equal[1] && ka.equal[2] == kb.equal[2];
}

}  // namespace kov
