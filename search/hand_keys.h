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

struct ArrangementKey {
    HandKey back, middle, front;
    bool special = false;  // 10..15 in the back: never dominates, never dominated
    bool exact = true;     // all three hand keys exact
};

ArrangementKey arrangementKey(const Arrangement& a);

// dominates() and sameArrangementRank() of the hand rules, on precomputed keys.
bool dominatesKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                    const ArrangementKey& kb);
bool sameRankKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                   const ArrangementKey& kb);

}  // namespace kov
