#include "search/arrange.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

// Four 32-bit lanes, each all ones where a compare holds.
using Lanes = std::int32_t __attribute__((vector_size(16)));
// Whether any lane holds a one bit.
bool anyLane(Lanes v) {
#if defined(__SSE2__)
    return _mm_movemask_epi8(reinterpret_cast<__m128i>(v)) != 0;
#else
    return (v[0] | v[1] | v[2] | v[3]) != 0;
#endif
}

// The first lane holding ones, or -1.
int firstLane(Lanes v) {
#if defined(__SSE2__)
    const int bits = _mm_movemask_ps(reinterpret_cast<__m128>(v));
    return bits == 0 ? -1 : std::countr_zero(static_cast<unsigned>(bits));
#else
    for (int i = 0; i < 4; ++i)
        if (v[i] != 0) return i;
    return -1;
#endif
}

// All thirteen ranks held once: 15 when one suit holds them all, else 14; 0 otherwise.
HandCategory thirteenStraightOf(const CardSet& h) {
    for (int v = 13; v >= 1; --v)
        if (rankCount(h, v) != 1) return 0;
    int emptySuits = 0;
    for (std::uint16_t m : h.mask)
        emptySuits += bitCount16(m) == 0;
    return emptySuits == 3 ? cat::ThirteenStraightFlush : cat::ThirteenStraight;
}

// Front queen-king-ace, back seven to jack, middle two to six.
Arrangement thirteenStraightSplit(const CardSet& h, HandCategory category) {
    Arrangement a;
    for (int v = 13; v >= 1; --v) {
        CardSet rank;
        allOfRank(rank, v);
        intersectionOf(rank, rank, h);
        Hand& target = v >= 11 ? a.front : v >= 6 ? a.back : a.middle;
        unionOf(target.cards, target.cards, rank);
    }
    a.setCategories(category);
    return a;
}

}  // namespace

HandCategory pairSpecialOf(const CardSet& holding) {
    const int pairs = pairCount(holding);
    if (pairs == 6) return cat::SixPairs;
    if (pairs == 5 && tripleCount(holding) == 1) return cat::FivePairsTriple;
    return cat::Trash;
}

bool KeyedSteps::offersMiddleMaterial(const CardSet& rest, const RankPattern& pattern) {
    if ((pattern.two | pattern.three | pattern.four) != 0 || fiveRunRanks(pattern.held) != 0)
        return true;
    for (std::uint16_t m : rest.mask)
        if (bitCount16(m) >= 5) return true;
    return false;
}

bool KeyedSteps::middleAboveBack(const CardSet& back, const CardSet& middle, HandCategory k) {
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
    const RankPattern x = rankPattern(middle);
    const RankPattern& y = pattern;
    switch (f) {
        case cat::Trash:  // the top three ranks held, in order
            return topRankValues(x.held, 3) < topRankValues(y.held, 3);
        case cat::Pair:
            return topRankValues(x.two, 1) < topRankValues(y.two, 1);
        case cat::Triple:
            return topRankValues(x.three | x.four, 1) < topRankValues(y.three | y.four, 1);
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

// Equal equality keys give equal digests.
std::int32_t equalDigest(std::uint64_t e0, std::uint64_t e1, std::uint64_t e2) {
    const std::uint64_t mixed = (e0 * 0x9E3779B97F4A7C15ull) ^ (e1 * 0xC2B2AE3D27D4EB4Full) ^ e2;
    return static_cast<std::int32_t>(mixed ^ mixed >> 32);
}

}  // namespace

inline void KeyedSteps::store(int i, const ArrangementKey& k, bool special) {
    const auto slot = static_cast<std::size_t>(i);
    if (special) {
        // Neither side of the >= compares holds against any exact key: the back's fails one
        // way, the middle's the other, as the rules never let a special dominate or be dominated.
        back_[slot] = -1;
        middle_[slot] = INT32_MAX;
        front_[slot] = 0;
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
    equalDigest_[slot] = equalDigest(equal0_[slot], equal1_[slot], equal2_[slot]);
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
}

void KeyedSteps::append(const Arrangement& a, ArrangementList& out) {
    if (out.count() < capacity_)
        store(out.count(), arrangementKey(a), isSpecialCategory(a.back.category));
    out.append(a);
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
    if (out.count() < capacity_) store(out.count(), ka, isSpecialCategory(a.back.category));
    out.append(a);
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

namespace {

// Moves the n highest cards of `left` into `hand` (both packedMasks()): rank values from the ace
// down, the lowest suit first within a rank.
[[gnu::always_inline]] inline void takeHighest(std::uint64_t& hand, std::uint64_t& left, int n) {
    while (n > 0 && left != 0) {
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

// The cards go out in one sequence: rank values from the ace down, suits upward within a rank.
// The front takes the first ones it lacks, then the middle, then the back. The back comes last:
// when it has room for every card left (always, when the leftovers are exactly the cards the
// hands lack) it takes them as they are. Inlined where the search completes an arrangement.
[[gnu::always_inline]] inline void fill(Arrangement& a, const CardSet& leftover) {
    std::uint64_t left =
        packedMasks(leftover) & 0x1FFF1FFF1FFF1FFFull;  // the 13 ranks of each suit
    std::uint64_t front = packedMasks(a.front.cards), middle = packedMasks(a.middle.cards),
                  back = packedMasks(a.back.cards);
    takeHighest(front, left, 3 - std::popcount(front));
    takeHighest(middle, left, 5 - std::popcount(middle));
    const int room = 5 - std::popcount(back);
    if (std::popcount(left) <= room)
        back |= left;
    else
        takeHighest(back, left, room);
    a.front.cards = fromPackedMasks(front);
    a.middle.cards = fromPackedMasks(middle);
    a.back.cards = fromPackedMasks(back);
}

}  // namespace

void fillHands(Arrangement& a, CardSet leftover) {
    fill(a, leftover);
}

bool KeyedSteps::keysBeforeFilling(const Arrangement& a, ArrangementKey& k) {
    if (a.back.category != backKeyCategory_ || a.front.category != frontKeyCategory_) return false;
    const HandCategory m = a.middle.category;
    HandKey middle;
    if (m >= cat::Triple && m <= cat::StraightFlush) {
        // Five cards, or a triple or four of a kind whose key no filler card changes.
        middle = fiveKey(a.middle.cards, m);
    } else if ((m == cat::Pair || m == cat::TwoPairs) && restSingles_) {
        // The filler cards are the highest single ranks past the front's: the kickers.
        const std::uint64_t w = packedMasks(a.middle.cards);
        const auto ranks = static_cast<std::uint16_t>((w | w >> 16 | w >> 32 | w >> 48) & 0x1FFFu);
        const std::uint32_t kickers = TopFiveByRank[restHeld_] << (4 * restFront_) & 0xFFFFFu;
        std::uint32_t less;
        if (m == cat::Pair) {
            middle.Equal = topRankValues(ranks, 1);
            less = static_cast<std::uint32_t>(middle.Equal) << 12 | kickers >> 8;
        } else {
            middle.Equal = topRankValues(ranks, 2);
            less = static_cast<std::uint32_t>(middle.Equal) << 4 | kickers >> 16;
        }
        middle.Less = std::uint32_t{m} << 24 | less;
        middle.Equal |= std::uint64_t{m} << 56;
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
        fill(a, leftover);
        ka = keysOf(a);
    }
    const int n = std::min(out.count(), capacity_);
    if (!ka.Exact || inexactCount_ > 0 || n < out.count()) {
        if (!filled) fill(a, leftover);
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
    // lanes (all ones where a compare holds); lanes past the list's end are masked off.
    const auto load = [](const std::int32_t* p) {
        Lanes v;
        std::memcpy(&v, p, sizeof v);
        return v;
    };
    const Lanes A0 = {a0, a0, a0, a0}, A1 = {a1, a1, a1, a1}, A2 = {a2, a2, a2, a2};
    const Lanes lane = {0, 1, 2, 3};
    Lanes below = {0, 0, 0, 0};
    for (int i = 0; i < n; i += 4) {
        const Lanes e0 = load(b0 + i), e1 = load(b1 + i), e2 = load(b2 + i);
        const Lanes inList = lane < n - i;
        const Lanes higher = (e0 > A0) | (e1 > A1) | (e2 > A2);
        const Lanes lower = (A0 > e0) | (A1 > e1) | (A2 > e2);
        if (anyLane(higher & ~lower & inList)) return;
        below |= ~higher & inList;
    }
    // No entry dominates the offer strictly; the entries it dominates (none of their keys above
    // the offer's) leave the list, in list order as the rules remove them: four slots are looked
    // at together, and after a removal the entry moved into the slot is looked at again.
    if (anyLane(below))
        for (int j = 0; j < out.count();) {
            const Lanes e0 = load(b0 + j), e1 = load(b1 + j), e2 = load(b2 + j);
            const Lanes dominated = ~((e0 > A0) | (e1 > A1) | (e2 > A2)) & (lane < out.count() - j);
            const int first = firstLane(dominated);
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
    // The digests first, four at a time; the keys themselves only where a digest is the offer's.
    const std::int32_t digest = equalDigest(ka.Equal[0], ka.Equal[1], ka.Equal[2]);
    const Lanes D = {digest, digest, digest, digest};
    Lanes alike = {0, 0, 0, 0};
    for (int j = 0; j < out.count(); j += 4)
        alike |= (load(equalDigest_.data() + j) == D) & (lane < out.count() - j);
    if (anyLane(alike)) {
        const std::uint64_t* q0 = equal0_.data();
        const std::uint64_t* q1 = equal1_.data();
        const std::uint64_t* q2 = equal2_.data();
        for (int j = 0; j < out.count(); ++j)
            if (q0[j] == ka.Equal[0] && q1[j] == ka.Equal[1] && q2[j] == ka.Equal[2]) return;
    }
    if (!filled) fill(a, leftover);
    if (out.count() < capacity_) store(out.count(), ka, false);
    out.append(a);
}

namespace {

// Categories whose candidates in a part of the holding are the holding's candidates that lie
// within the part, in the same order: their enumerations (runs over rank windows with suits in
// order, five-card subsets of a suit in the mask list's order, straight flushes by run and suit,
// four of a kind by rank) never depend on the absent cards. Pairs, triples and full houses do:
// a rank the back thins out changes what it offers.
bool reusable(HandCategory k) {
    constexpr unsigned Reusable =
        1u << cat::StraightFlush | 1u << cat::Quadruple | 1u << cat::Flush | 1u << cat::Straight;
    return (Reusable >> k) & 1u;
}

// Whether a hand of category k (a pair, two pairs, a triple or a full house) can be drawn from
// cards of rank pattern p: the ranks held exactly twice and three times make them.
[[gnu::always_inline]] inline bool offersByRanks(const RankPattern& p, HandCategory k) {
    switch (k) {
        case cat::Pair:
            return p.two != 0;
        case cat::TwoPairs:
            return bitCount16(p.two) >= 2;
        case cat::Triple:
            return p.three != 0;
        default:  // a full house: a triple with a pair, or with a second triple
            return p.three != 0 && (p.two != 0 || bitCount16(p.three) >= 2);
    }
}

}  // namespace

template <typename Steps>
BasicSeatSearch<Steps>::BasicSeatSearch(int capacity)
    : backCandidates_(capacity),
      middleCandidates_(capacity),
      frontScratch_(capacity),
      steps_(capacity) {}

template <typename Steps>
void BasicSeatSearch<Steps>::arrangeSeat(const CardSet& h, ArrangementList& out) {
    // The keyed steps keep keys for as many entries as the search's own lists hold.
    assert(out.capacity() <= backCandidates_.capacity());
    out.clear();
    steps_.reset();
    backCandidates_.clear();
    straightsFlag_ = flushesFlag_ = false;
    overflowed_ = false;

    // Thirteen-card straight: a straight flush holding plays nothing else.
    if (const HandCategory straight13 = thirteenStraightOf(h)) {
        Arrangement a = thirteenStraightSplit(h, straight13);
        steps_.append(a, out);
        if (straight13 == cat::ThirteenStraightFlush) {
            a.back.category = cat::StraightFlush;
            a.middle.category = cat::StraightFlush;
            a.front.category = cat::Trash;
            steps_.append(a, out);
            return;
        }
    }
    // Six pairs, or five pairs and a triple: all 13 cards in every hand.
    if (const HandCategory pairs = pairSpecialOf(h)) {
        Arrangement a;
        a.back.cards = a.middle.cards = a.front.cards = h;
        a.setCategories(pairs);
        steps_.append(a, out);
    }

    const RankPattern pattern = rankPattern(h);
    const bool fiveOfASuit = bitCount16(h.mask[0]) >= 5 || bitCount16(h.mask[1]) >= 5 ||
                             bitCount16(h.mask[2]) >= 5 || bitCount16(h.mask[3]) >= 5;
    for (HandCategory k : BackAndMiddleOrder) {
        backSegment_[k][0] = backCandidates_.count();
        if (Steps::ReusesHoldingCandidates) {
            // Straight from the holding: every category's list is the one its material gives.
            bool offers;
            switch (k) {
                case cat::StraightFlush:
                case cat::Flush:
                    offers = fiveOfASuit;
                    break;
                case cat::Straight:
                    offers = fiveRunRanks(pattern.held) != 0;
                    break;
                case cat::Quadruple:
                    offers = pattern.four != 0;
                    break;
                default:
                    offers = offersByRanks(pattern, k);
            }
            if (offers) generateCandidates(backCandidates_, h, pattern, k, HandRole::Back);
        } else if (const CardSet m = categoryMaterial(h, pattern, k, HandRole::Back); !isEmpty(m)) {
            generateCandidates(backCandidates_, m, k, HandRole::Back);
        }
        backSegment_[k][1] = backCandidates_.count();
    }
    if (Steps::ReusesHoldingCandidates) indexStraightsAndFlushes();
    for (int i = 0; i < backCandidates_.count(); ++i) {
        searchMiddles(h, backCandidates_[i], out);
    }

    overflowed_ = out.overflowed() || backCandidates_.overflowed() ||
                  middleCandidates_.overflowed() || frontScratch_.overflowed() || overflowed_;
}

namespace {

// The ranks of the window of five from rank t up (t = 9: ten to ace).
constexpr unsigned windowRanks(int t) {
    return t == 9 ? 0x1E01u : 0x1Fu << t;
}

}  // namespace

// The straights come window by window (from the lowest), the flushes suit by suit.
template <typename Steps>
void BasicSeatSearch<Steps>::indexStraightsAndFlushes() {
    int i = backSegment_[cat::Straight][0];
    for (int t = 0; t < 10; ++t) {
        straightsFrom_[t] = i;
        for (; i < backSegment_[cat::Straight][1]; ++i) {
            const std::uint64_t w = packedMasks(backCandidates_[i].cards);
            if (((w | w >> 16 | w >> 32 | w >> 48) & 0x1FFFu) != windowRanks(t)) break;
        }
    }
    straightsFrom_[10] = i;
    i = backSegment_[cat::Flush][0];
    for (int suit = 0; suit < SuitCount; ++suit) {
        flushesFrom_[suit] = i;
        while (i < backSegment_[cat::Flush][1] && backCandidates_[i].cards.mask[suit] != 0)
            ++i;
    }
    flushesFrom_[SuitCount] = i;
}

// The middles for one back: every category up to the back's, none that outranks the back.
template <typename Steps>
void BasicSeatSearch<Steps>::buildMiddles(const CardSet& rest, const RankPattern& pattern,
                                          const Hand& back) {
    static_assert(BackAndMiddleOrder[0] == cat::StraightFlush &&
                  BackAndMiddleOrder[7] == cat::Pair);
    middleCandidates_.clear();
    bool pairsSkipped = false;
    // The order runs from the straight flush down one category at a time: the back's category
    // sits at 8 - category.
    for (int at = cat::StraightFlush - back.category; at < 8; ++at) {
        const HandCategory k = BackAndMiddleOrder[at];
        const int first = middleCandidates_.count();
        if (Steps::ReusesHoldingCandidates && reusable(k) && !backCandidates_.overflowed()) {
            // The holding's own candidates of k that the back leaves whole, in their order. A
            // straight's window the rest lacks a rank of, or a suit the rest holds fewer than five
            // cards of, has none.
            const std::uint64_t taken = packedMasks(back.cards);
            const auto scan = [&](int from, int to) {
                for (int i = from; i < to; ++i)
                    if ((packedMasks(backCandidates_[i].cards) & taken) == 0)
                        middleCandidates_.append(backCandidates_[i]);
            };
            if (k == cat::Straight) {
                // Bit t: the rest holds every rank of window t.
                const unsigned held = pattern.held | (pattern.held & 1u) << 13;
                for (unsigned windows = held & held >> 1 & held >> 2 & held >> 3 & held >> 4;
                     windows != 0; windows &= windows - 1) {
                    const int t = std::countr_zero(windows);
                    scan(straightsFrom_[t], straightsFrom_[t + 1]);
                }
            } else if (k == cat::Flush) {
                for (int suit = 0; suit < SuitCount; ++suit)
                    if (bitCount16(rest.mask[suit]) >= 5)
                        scan(flushesFrom_[suit], flushesFrom_[suit + 1]);
            } else {
                scan(backSegment_[k][0], backSegment_[k][1]);
            }
        } else if (Steps::ReusesHoldingCandidates && !reusable(k)) {
            // Pairs, two pairs, triples and full houses straight from the rest's rank pattern.
            // A pair middle leaves the front the rest's other ranks held twice or more. A rank
            // held three or four times, or two more pairs, outrank the pair: nothing comes of
            // it. One other pair ranks above a middle of the lower pair: of two pairs only the
            // higher one can make a middle. Such pairs are left out, but for a list so near its
            // capacity that they would have filled it (it then reports that it overflowed, as
            // the pairs themselves would have made it).
            if (!offersByRanks(pattern, k)) {
                // nothing of k in the rest
            } else if (Steps::SkipsBarrenMiddles && k == cat::Pair &&
                       (bitCount16(pattern.two) >= 2 || (pattern.three | pattern.four) != 0) &&
                       middleCandidates_.count() + bitCount16(pattern.two) + 1 <
                           middleCandidates_.capacity()) {
                pairsSkipped = true;
                if (bitCount16(pattern.two) == 2 && (pattern.three | pattern.four) == 0) {
                    const int top = (pattern.two & 1u) ? 0 : std::bit_width(pattern.two) - 1u;
                    middleCandidates_.append(
                        Hand{fromPackedMasks(packedRank(packedMasks(rest), top)), cat::Pair});
                }
            } else if (k == cat::FullHouse) {
                generateCandidates(middleCandidates_, rest, pattern, k, HandRole::Middle);
            } else {
                generateRankGroups(middleCandidates_, rest, pattern, k, HandRole::Middle);
            }
        } else {
            const CardSet m = categoryMaterial(rest, pattern, k, HandRole::Middle);
            if (isEmpty(m)) continue;
            generateCandidates(middleCandidates_, m, k, HandRole::Middle);
        }
        if (k == back.category) {
            for (int i = first; i < middleCandidates_.count();) {
                if (steps_.middleAboveBack(back.cards, middleCandidates_[i].cards, k)) {
                    middleCandidates_.removeAt(i);
                } else {
                    ++i;
                }
            }
        }
        // A lone pair of aces also gets a trash middle holding one of the aces. Where pairs were
        // left out above, none is needed: beside a rank held three or four times the trash
        // middle leaves the front a pair or more, and aces kept with one more pair were not
        // alone (a pair back is never aces when the rest holds two).
        if (k == cat::Pair && !pairsSkipped && middleCandidates_.count() - first == 1 &&
            rankCount(middleCandidates_[first].cards, 0) == 2)
            generateCandidates(middleCandidates_, rest, cat::Trash, HandRole::Middle);
    }
    // A trash middle only when the rest offers no category at all.
    if (!Steps::offersMiddleMaterial(rest, pattern))
        generateCandidates(middleCandidates_, rest, cat::Trash, HandRole::Middle);
    overflowed_ = overflowed_ || middleCandidates_.overflowed();
}

template <typename Steps>
void BasicSeatSearch<Steps>::searchMiddles(const CardSet& h, const Hand& back,
                                           ArrangementList& out) {
    const CardSet rest = without(h, back.cards);
    const RankPattern restPattern = rankPattern(rest);
    // A back of a pair or two pairs allows only middles of pairs, two pairs or trash. A rank the
    // rest holds three or four times stays whole in such a middle (the pairs are ranks held
    // exactly twice) or keeps two cards past a trash middle (one card per rank): the front is
    // then offered a triple above the pairs, or a pair above the trash. No arrangement comes of
    // such a back.
    if (Steps::SkipsBarrenBacks && back.category <= cat::TwoPairs &&
        (restPattern.three | restPattern.four) != 0)
        return;
    buildMiddles(rest, restPattern, back);
    steps_.beginBack(back);
    for (int i = 0; i < middleCandidates_.count(); ++i) {
        const Hand& middle = middleCandidates_[i];
        CardSet leftover = without(rest, middle.cards);

        // The front: what the leftovers offer, never above the middle.
        const RankPattern pattern = Steps::leftoverPattern(leftover, restPattern, middle);
        const HandCategory f = Steps::frontCategory(leftover, pattern);
        if (f > middle.category) continue;
        Hand front;
        if (f == cat::TwoPairs) {
            if (middle.category < cat::TwoPairs) continue;
            front = {steps_.firstFront(frontScratch_, leftover, pattern, cat::Pair), cat::Pair};
        } else {
            if (middle.category == f && Steps::middleBelowFront(middle.cards, leftover, pattern, f))
                continue;
            front = {steps_.firstFront(frontScratch_, leftover, pattern, f), f};
        }
        minus(leftover, front.cards);

        Arrangement a{back, middle, front};
        // Whole-holding specials from two straights or two flushes and a fitting front; only
        // the first of each kind enters, later ones are dropped altogether.
        if (back.category == cat::Straight && middle.category == cat::Straight &&
            isStraight3(front.cards)) {
            a.setCategories(cat::ThreeStraight);
            if (straightsFlag_) continue;
            straightsFlag_ = true;
        } else if (back.category == cat::Flush && middle.category == cat::Flush &&
                   isFlush3(front.cards)) {
            a.setCategories(cat::ThreeFlush);
            if (flushesFlag_) continue;
            flushesFlag_ = true;
        }
        steps_.offer(a, leftover, out);
    }
}

template class BasicSeatSearch<KeyedSteps>;
template class BasicSeatSearch<ReferenceSteps>;

}  // namespace kov
