// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The steps of the game's search (SeatSearch in search/arrange.h): arrangements compared on
// precomputed hand keys (search/hand_keys.h), the list's keys kept in parallel arrays.

#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

#include "cards/hand.h"
#include "search/candidates.h"
#include "search/hand_keys.h"

namespace kov {

// Whether two cores of category k compare on their ranks alone (rankKey()).
constexpr bool keyedByRanks(HandCategory k) {
    return k != cat::FullHouse;
}

// The less key, without its category, of a core of category k (not a full house) as the search
// builds them: a pair, two pairs, a triple or a four of a kind holds whole ranks and no kicker,
// a flush five ranks, and their values from the top order them; a straight (flush) is ordered
// by the lowest window of five it fills (the ace low, then up to ten to ace).
[[gnu::always_inline]] inline std::uint32_t rankKey(const CardSet& cards, HandCategory k) {
    const std::uint16_t ranks = heldRanks(cards);
    if (k != cat::Straight && k != cat::StraightFlush) return TopFiveByRank[ranks];
    return static_cast<std::uint32_t>(std::countr_zero(windowStarts(ranks)));
}

// fiveKey() of a core of category k from a triple up, as the search builds them: straights,
// flushes and straight flushes of five ranks, a triple or four of a kind of one rank; a full
// house is keyed in full.
[[gnu::always_inline]] inline HandKey coreKey(const CardSet& cards, HandCategory k) {
    if (k == cat::FullHouse) return fiveKey(cards, k);
    std::uint32_t less = rankKey(cards, k);
    std::uint64_t equal = less;
    if (k == cat::Straight || k == cat::StraightFlush) {
        equal = heldRanks(cards);  // the five ranks, each once
    } else if (k != cat::Flush) {
        less >>= 16;  // a triple or four of a kind: its one rank
        equal = less;
    }
    HandKey key;
    key.Less = static_cast<std::uint32_t>(k) << 24 | less;
    key.Equal = static_cast<std::uint64_t>(k) << 56 | equal;
    return key;
}

// The steps of the game's search: the output list is kept free of dominated arrangements with
// precomputed hand keys (integer compares); slot i of the key arrays belongs to entry i of the
// list.
//
// The exactly keyed entries of the list never dominate one another (an entry that dominated
// another would have removed it on entering, or been dropped), and dominance on exact keys is
// componentwise >=, which is transitive. So an offer that an entry dominates strictly can dominate
// no entry at all: one scan finds out, and such an offer (most of them in long lists) leaves the
// list as it was. The scan reads the keys from parallel arrays, several entries at a time.
class KeyedSteps {
  public:
    // The middles of the straights, flushes, straight flushes and fours of a kind are taken from
    // the holding's back candidates that the back leaves whole.
    static constexpr bool ReusesHoldingCandidates = true;
    // Backs that can make no arrangement (see searchMiddles) are passed over.
    static constexpr bool SkipsBarrenBacks = true;
    // Pair middles that can make no arrangement (see buildMiddles) are not built.
    static constexpr bool SkipsBarrenMiddles = true;
    explicit KeyedSteps(int capacity);

    // Whether `rest` offers any category above trash to the middle: a pair, triple or four of a
    // kind (two pairs, full houses within), a run of five ranks, or five cards of a suit
    // (straight flushes within).
    [[gnu::always_inline]] static bool offersMiddleMaterial(const CardSet& rest,
                                                            const RankPattern& pattern) {
        return (pattern.two | pattern.three | pattern.four) != 0 ||
               windowStarts(pattern.held) != 0 || bitCount16(rest.mask[0]) >= 5 ||
               bitCount16(rest.mask[1]) >= 5 || bitCount16(rest.mask[2]) >= 5 ||
               bitCount16(rest.mask[3]) >= 5;
    }
    // The rank pattern of the cards the middle leaves of the rest (rank pattern `rest`). A
    // middle of pairs, a triple or a four of a kind holds every card of its ranks that the rest
    // holds: those ranks just leave the pattern.
    [[gnu::always_inline]] static RankPattern leftoverPattern(const CardSet& leftover,
                                                              const RankPattern& rest,
                                                              const Hand& middle) {
        switch (middle.category) {
            case cat::Pair:
            case cat::TwoPairs:
            case cat::Triple:
            case cat::Quadruple: {
                const std::uint64_t w = packedMasks(middle.cards);
                const auto keep = static_cast<std::uint16_t>(~(w | w >> 16 | w >> 32 | w >> 48));
                return {static_cast<std::uint16_t>(rest.held & keep),
                        static_cast<std::uint16_t>(rest.one & keep),
                        static_cast<std::uint16_t>(rest.two & keep),
                        static_cast<std::uint16_t>(rest.three & keep),
                        static_cast<std::uint16_t>(rest.four & keep)};
            }
            default:
                return rankPattern(leftover);
        }
    }
    // What the leftover cards (of rank pattern `pattern`) offer the front.
    static HandCategory frontCategory(const CardSet&, const RankPattern& pattern) {
        return frontCategoryOf(pattern);
    }
    // The first front of category k in the leftover cards, read off the rank pattern. The key of
    // the front it fills to is kept for the arrangement offered next (see keysOf()).
    [[gnu::always_inline]] CardSet firstFront(CandidateList&, const CardSet& leftover,
                                              const RankPattern& pattern, HandCategory k) {
        assert(k == cat::Pair || k == cat::Triple || k == cat::Trash);  // what a front can be
        const std::uint16_t ranks = firstFrontRanks(pattern, k);
        keepFrontKey(ranks, pattern, k);
        return firstFrontCards(leftover, pattern, k, ranks);
    }
    // lessFive(back, middle, k) of a back core and a middle core of the back's category, on
    // their keys when both are exact. The back's key is kept while the same back asks again.
    bool middleAboveBack(const CardSet& back, const CardSet& middle, HandCategory k);
    // lessCoarse(middle, leftover, f) for a middle of the front's category f (0, 1 or 3), read
    // off the middle's ranks and the leftover's rank pattern `pattern`.
    static bool middleBelowFront(const CardSet& middle, const CardSet& leftover,
                                 const RankPattern& pattern, HandCategory f);

    // A new search begins with an empty list.
    void reset();
    // The arrangements offered next are built on `back` (its core, before filling).
    void beginBack(const Hand& back) {
        backKeyCategory_ = keyOfCoreHolds(back.category) ? back.category : cat::Reserved;
        if (backKeyCategory_ != cat::Reserved) backKey_ = coreKey(back.cards, back.category);
    }
    // Whether the list may hold an entry of the back begun last, its key exact: true unless no
    // entry has its key and none is inexact.
    bool holdsBack(const ArrangementList& out) const;
    // Appends without comparing (the specials, which enter first).
    void append(const Arrangement& a, ArrangementList& out);
    // The arrangement of cores a, completed from the leftover cards (fillHands()), removes every
    // entry it dominates, then enters unless an entry dominates it or ranks exactly alike. Where
    // its keys can be told from the cores and what beginBack() and firstFront() kept, it is
    // completed only if it enters.
    void offer(Arrangement& a, const CardSet& leftover, ArrangementList& out);
    // The keys of entry i of the list the last search built (i below the capacity).
    ArrangementKey key(int i) const {
        const auto slot = static_cast<std::size_t>(i);
        ArrangementKey k;
        if (back_[slot] == -1) {  // a special: its keys are all zero and inexact
            k.Exact = false;
            return k;
        }
        k.Less[0] = static_cast<std::uint32_t>(back_[slot]);
        k.Less[1] = static_cast<std::uint32_t>(middle_[slot]);
        k.Less[2] = static_cast<std::uint32_t>(front_[slot]);
        k.Equal[0] = equal0_[slot];
        k.Equal[1] = equal1_[slot];
        k.Equal[2] = equal2_[slot];
        k.Exact = inexact_[slot] == 0;
        return k;
    }

  private:
    // A back of these categories is its core in full (five cards), or a triple or four of a kind
    // whose key no filler card changes: the core's key is the filled back's.
    static bool keyOfCoreHolds(HandCategory k) { return k >= cat::Triple; }
    // Keeps the less key of the front that the core of category k and ranks `ranks` fills to,
    // from leftover cards of rank pattern p, with what the middle's filling needs. The filling
    // adds the highest cards left: nothing to a triple or to trash (three single ranks, the
    // highest), the highest card of another rank to a pair.
    [[gnu::always_inline]] void keepFrontKey(std::uint16_t ranks, const RankPattern& p,
                                             HandCategory k) {
        restHeld_ = static_cast<std::uint16_t>(p.held & ~ranks);
        restSingles_ = (p.two & ~ranks) == 0 && (p.three | p.four) == 0;
        restFront_ = 0;
        frontKeyCategory_ = k;
        switch (k) {
            case cat::Trash:
                frontLess_ = topRankValues(ranks, 3);
                break;
            case cat::Pair:
                frontLess_ = static_cast<std::uint32_t>(cat::Pair) << 24 |
                             topRankValues(ranks, 1) << 4 | topRankValues(restHeld_, 1);
                restFront_ = 1;
                break;
            default:  // a triple
                frontLess_ =
                    static_cast<std::uint32_t>(cat::Triple) << 24 | topRankValues(ranks, 1);
                break;
        }
    }
    // The keys of the filled hands of a: the back's from beginBack() and the front's from
    // firstFront() where they were made for hands of a's categories.
    ArrangementKey keysOf(const Arrangement& a);
    // The same keys for the cores a before filling, where the cores and what beginBack() and
    // firstFront() kept tell them; false where they do not (a must be filled first).
    bool keysBeforeFilling(const Arrangement& a, ArrangementKey& k);
    // Writes the keys of list slot i, the list's new last entry.
    inline void store(int i, const ArrangementKey& k, bool special);
    // The less keys of a special in a slot.
    inline void storeNeutral(std::size_t slot);
    // Appends a, with keys k, where the list has room.
    inline void enter(const Arrangement& a, const ArrangementKey& k, bool special,
                      ArrangementList& out);
    // The rules' removal: the last entry's keys move into slot i.
    void moveLastInto(int i, int last);
    // Every comparison through dominatesKeyed() and sameRankKeyed(), entry by entry.
    void offerEachCompared(const Arrangement& a, const ArrangementKey& ka, ArrangementList& out);

    int capacity_;
    // The less keys of back, middle and front, as signed numbers; a special holds keys that
    // neither dominate nor are dominated by any exact key, and so do the three slots past the
    // list's end, so that four lanes loaded from any slot of the list compare as they are.
    std::vector<std::int32_t> back_, middle_, front_;
    // The equality keys of back, middle and front; a special's back key is all ones, which no
    // exact key has.
    std::vector<std::uint64_t> equal0_, equal1_, equal2_;
    // A digest of the three equality keys: entries whose digest differs from an offer's do not
    // rank exactly like it. Runs four slots past the capacity, as the less keys do.
    std::vector<std::int32_t> equalDigest_;
    std::vector<std::int32_t> inexact_;  // 1: an ordinary entry whose keys are not exact
    int inexactCount_ = 0;               // such entries in the list
    // The back middleAboveBack() last keyed: its masks in one word, category and key.
    std::uint64_t lastBack_ = 0;
    HandCategory lastBackCategory_ = cat::Reserved;
    HandKey lastBackKey_;
    // The key of the back of the arrangements offered, when its core's key holds for them.
    HandKey backKey_;
    HandCategory backKeyCategory_ = cat::Reserved;  // Reserved: none
    // The less key (= equality key) of the front of the arrangement offered next.
    std::uint32_t frontLess_ = 0;
    HandCategory frontKeyCategory_ = cat::Reserved;
    // The cards left past the front's core: whether they are known to hold single ranks only
    // (never told past a triple), which ranks, and how many of them the front takes.
    bool restSingles_ = false;
    std::uint16_t restHeld_ = 0;
    int restFront_ = 0;
};

}  // namespace kov
