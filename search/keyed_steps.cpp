// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/keyed_steps.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "cards/compare.h"
#include "cards/special.h"
#include "search/fill_hands.h"
#include "search/vector_lanes.h"

namespace kov {

bool KeyedSteps::middleAboveBack(const CardSet& back, const CardSet& middle, HandCategory k) {
    if (keyedByRanks(k)) return rankKey(back, k) < rankKey(middle, k);
    const std::uint64_t backWord = packedMasks(back);
    if (backWord != lastBack_ || k != lastBackCategory_) {
        lastBack_ = backWord;
        lastBackCategory_ = k;
        lastBackKey_ = fiveKey(back, k);
    }
    const HandKey& backKey = lastBackKey_;
    const HandKey middleKey = fiveKey(middle, k);
    if (!backKey.Exact || !middleKey.Exact) return lessFive(back, middle, k);
    return backKey.Less < middleKey.Less;
}

bool KeyedSteps::middleBelowFront(const CardSet& middle, const CardSet&, const RankPattern& pattern,
                                  HandCategory f) {
    // The middle is of category f: a trash core holds one card of each of its ranks, a pair or
    // triple core the cards of one rank. Its ranks alone tell it.
    const std::uint16_t x = heldRanks(middle);
    const RankPattern& y = pattern;
    switch (f) {
        case cat::Trash:  // the top three ranks held, in order
            return topRankValues(x, 3) < topRankValues(y.held, 3);
        case cat::Pair:
            return topRankValues(x, 1) < topRankValues(y.two, 1);
        case cat::Triple:
            return topRankValues(x, 1) < topRankValues(y.three | y.four, 1);
        default:
            return false;
    }
}

// The less-key arrays run four slots past the capacity, so that the scan may load four lanes
// from any slot of the list; lanes past its end are masked off.
KeyedSteps::KeyedSteps(int capacity)
    : capacity_(capacity),
      back_(static_cast<std::size_t>(capacity) + 4),
      middle_(back_.size()),
      front_(back_.size()),
      equal0_(static_cast<std::size_t>(capacity)),
      equal1_(equal0_.size()),
      equal2_(equal0_.size()),
      equalDigest_(back_.size()),
      inexact_(equal0_.size()) {}

namespace {

// Whether keys k, exact, hold a back and a middle of a pair or two pairs: the one case where an
// entry of equal equality keys may neither dominate nor be dominated.
bool mayRankAlike(const ArrangementKey& k) {
    constexpr std::uint32_t Triple = static_cast<std::uint32_t>(cat::Triple) << 24;
    return k.Less[0] < Triple && k.Less[1] < Triple;
}

// Equal equality keys give equal digests.
std::int32_t equalDigest(std::uint64_t e0, std::uint64_t e1, std::uint64_t e2) {
    const std::uint64_t mixed = (e0 * 0x9E3779B97F4A7C15ull) ^ (e1 * 0xC2B2AE3D27D4EB4Full) ^ e2;
    return static_cast<std::int32_t>(mixed ^ mixed >> 32);
}

}  // namespace

// Neither side of the >= compares holds against any exact key: the back's fails one way, the
// middle's the other, as the rules never let a special dominate or be dominated. The slots past
// the list's end hold the same less keys.
[[gnu::always_inline]] inline void KeyedSteps::storeNeutral(std::size_t slot) {
    back_[slot] = -1;
    middle_[slot] = INT32_MAX;
    front_[slot] = 0;
}

[[gnu::always_inline]] inline void KeyedSteps::store(int i, const ArrangementKey& k, bool special) {
    const auto slot = static_cast<std::size_t>(i);
    storeNeutral(slot + 3);  // the list's end moves on by one
    if (special) {
        storeNeutral(slot);
        // No exact key has a category byte of all ones: a special ranks alike with none.
        equal0_[slot] = UINT64_MAX;
    } else {
        back_[slot] = static_cast<std::int32_t>(k.Less[0]);
        middle_[slot] = static_cast<std::int32_t>(k.Less[1]);
        front_[slot] = static_cast<std::int32_t>(k.Less[2]);
        equal0_[slot] = k.Equal[0];
    }
    equal1_[slot] = k.Equal[1];
    equal2_[slot] = k.Equal[2];
    // Only offers of mayRankAlike() look for entries alike, and only such entries can be: the
    // others' digest is left at zero, which an offer's may happen to match as well.
    equalDigest_[slot] =
        !special && mayRankAlike(k) ? equalDigest(equal0_[slot], equal1_[slot], equal2_[slot]) : 0;
    inexact_[slot] = !special && !k.Exact;
    inexactCount_ += inexact_[slot];
}

void KeyedSteps::moveLastInto(int i, int last) {
    const auto slot = static_cast<std::size_t>(i), from = static_cast<std::size_t>(last);
    inexactCount_ -= inexact_[slot];
    back_[slot] = back_[from];
    middle_[slot] = middle_[from];
    front_[slot] = front_[from];
    equal0_[slot] = equal0_[from];
    equal1_[slot] = equal1_[from];
    equal2_[slot] = equal2_[from];
    equalDigest_[slot] = equalDigest_[from];
    inexact_[slot] = inexact_[from];
    storeNeutral(from);
}

void KeyedSteps::reset() {
    inexactCount_ = 0;
    lastBackCategory_ = cat::Reserved;
    for (std::size_t slot = 0; slot < 3; ++slot)
        storeNeutral(slot);
}

// A full list takes nothing: its keys stay as they are.
[[gnu::always_inline]] inline void KeyedSteps::enter(const Arrangement& a, const ArrangementKey& k,
                                                     bool special, ArrangementList& out) {
    if (out.count() < capacity_ && out.count() < out.capacity()) store(out.count(), k, special);
    out.append(a);
}

void KeyedSteps::append(const Arrangement& a, ArrangementList& out) {
    enter(a, arrangementKey(a), isSpecialCategory(a.back.category), out);
}

void KeyedSteps::offerEachCompared(const Arrangement& a, const ArrangementKey& ka,
                                   ArrangementList& out) {
    for (int i = 0; i < out.count();) {
        if (dominatesKeyed(a, ka, out[i], key(i))) {
            out.removeAt(i);
            moveLastInto(i, out.count());
        } else {
            ++i;
        }
    }
    // Dominated by an entry, or ranking exactly like one: dropped either way.
    for (int i = 0; i < out.count(); ++i) {
        const ArrangementKey k = key(i);
        if (dominatesKeyed(out[i], k, a, ka) || sameRankKeyed(out[i], k, a, ka)) return;
    }
    enter(a, ka, isSpecialCategory(a.back.category), out);
}

bool KeyedSteps::holdsBack(const ArrangementList& out) const {
    if (backKeyCategory_ == cat::Reserved || inexactCount_ > 0 || out.count() > capacity_)
        return true;
    const Lanes B = broadcast(static_cast<std::int32_t>(backKey_.Less));
    Lanes same = broadcast(0);
    for (int i = 0; i < out.count(); i += 4)
        same |= loadLanes(back_.data() + i) == B;
    return anyLane(same);
}

ArrangementKey KeyedSteps::keysOf(const Arrangement& a) {
    const HandKey back =
        a.back.category == backKeyCategory_ ? backKey_ : fiveKey(a.back.cards, a.back.category);
    const HandKey front = a.front.category == frontKeyCategory_
                              ? HandKey{frontLess_, frontLess_, true}
                              : frontKey(a.front.cards, a.front.category);
    frontKeyCategory_ = cat::Reserved;  // made for this arrangement only
    return keysOfHands(back, fiveKey(a.middle.cards, a.middle.category), front);
}

bool KeyedSteps::keysBeforeFilling(const Arrangement& a, ArrangementKey& k) {
    if (a.back.category != backKeyCategory_ || a.front.category != frontKeyCategory_) return false;
    const HandCategory m = a.middle.category;
    HandKey middle;
    if (m >= cat::Triple && m <= cat::StraightFlush) {
        // Five cards, or a triple or four of a kind whose key no filler card changes.
        middle = coreKey(a.middle.cards, m);
    } else if ((m == cat::Pair || m == cat::TwoPairs) && restSingles_) {
        // The filler cards are the highest single ranks past the front's: the kickers.
        const std::uint16_t ranks = heldRanks(a.middle.cards);
        const std::uint32_t kickers = TopFiveByRank[restHeld_] << (4 * restFront_) & 0xFFFFFu;
        std::uint32_t less;
        if (m == cat::Pair) {
            middle.Equal = topRankValues(ranks, 1);
            less = static_cast<std::uint32_t>(middle.Equal) << 12 | kickers >> 8;
        } else {
            middle.Equal = topRankValues(ranks, 2);
            less = static_cast<std::uint32_t>(middle.Equal) << 4 | kickers >> 16;
        }
        middle.Less = static_cast<std::uint32_t>(m) << 24 | less;
        middle.Equal |= static_cast<std::uint64_t>(m) << 56;
    } else {
        return false;  // keysOf() still takes the front's key kept
    }
    frontKeyCategory_ = cat::Reserved;  // made for this arrangement only
    k = keysOfHands(backKey_, middle, HandKey{frontLess_, frontLess_, true});
    return true;
}

void KeyedSteps::offer(Arrangement& a, const CardSet& leftover, ArrangementList& out) {
    ArrangementKey ka;
    const bool filled = !keysBeforeFilling(a, ka);
    if (filled) {
        filling::fill(a, leftover);
        ka = keysOf(a);
    }
    const int n = out.count();
    if (!ka.Exact || inexactCount_ > 0 || n > capacity_) {
        if (!filled) filling::fill(a, leftover);
        offerEachCompared(a, ka, out);
        return;
    }
    const auto a0 = static_cast<std::int32_t>(ka.Less[0]);
    const auto a1 = static_cast<std::int32_t>(ka.Less[1]);
    const auto a2 = static_cast<std::int32_t>(ka.Less[2]);
    const std::int32_t* b0 = back_.data();
    const std::int32_t* b1 = middle_.data();
    const std::int32_t* b2 = front_.data();
    // An entry dominates the offer strictly when some of its keys is higher and none lower; the
    // offer dominates an entry none of whose keys is higher. Four entries at a time in vector
    // lanes (all ones where a compare holds); the slots past the list's end hold keys that
    // neither dominate nor are dominated (see storeNeutral()).
    const Lanes A0 = broadcast(a0), A1 = broadcast(a1), A2 = broadcast(a2);
    Lanes below = broadcast(0);
    for (int i = 0; i < n; i += 4) {
        const Lanes e0 = loadLanes(b0 + i), e1 = loadLanes(b1 + i), e2 = loadLanes(b2 + i);
        const Lanes higher = (e0 > A0) | (e1 > A1) | (e2 > A2);
        const Lanes lower = (e0 < A0) | (e1 < A1) | (e2 < A2);
        if (anyLane(higher & ~lower)) return;
        below |= ~higher;
    }
    // No entry dominates the offer strictly; the entries it dominates (none of their keys above
    // the offer's) leave the list, in list order as the rules remove them: four slots are looked
    // at together, and after a removal the entry moved into the slot is looked at again.
    if (anyLane(below))
        for (int j = 0; j < out.count();) {
            const Lanes e0 = loadLanes(b0 + j), e1 = loadLanes(b1 + j), e2 = loadLanes(b2 + j);
            const int first = firstLane(~((e0 > A0) | (e1 > A1) | (e2 > A2)));
            if (first < 0) {
                j += 4;
                continue;
            }
            j += first;
            out.removeAt(j);
            moveLastInto(j, out.count());
        }
    // An entry ranking exactly like the offer keeps its place. Specials hold an equality key no
    // offer has (and no entry is inexact in this path).
    // Hands of equal equality keys have equal less keys but for the kickers of a pair or two
    // pairs, and a front's less key is its equality key. An entry alike that is still in the
    // list has some less key above the offer's (else the offer removed it) and some below (else
    // it dominated the offer): a back and a middle of pairs, one kicked higher, one lower. Other
    // offers have no such entry to look for.
    if (mayRankAlike(ka)) {
        // The digests first, four at a time; the keys themselves only where a digest is the
        // offer's (or a slot past the end happens to hold it).
        const Lanes D = broadcast(equalDigest(ka.Equal[0], ka.Equal[1], ka.Equal[2]));
        Lanes alike = broadcast(0);
        for (int j = 0; j < out.count(); j += 4)
            alike |= loadLanes(equalDigest_.data() + j) == D;
        if (anyLane(alike)) {
            const std::uint64_t* q0 = equal0_.data();
            const std::uint64_t* q1 = equal1_.data();
            const std::uint64_t* q2 = equal2_.data();
            for (int j = 0; j < out.count(); ++j)
                if (q0[j] == ka.Equal[0] && q1[j] == ka.Equal[1] && q2[j] == ka.Equal[2]) return;
        }
    }
    if (!filled) filling::fill(a, leftover);
    enter(a, ka, false, out);
}

}  // namespace kov
