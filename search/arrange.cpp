// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/arrange.h"

#include <bit>
#include <cassert>
#include <cstdint>

#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

// All thirteen ranks held once: 13 straight flush when one suit holds them all, else 13 straight;
// trash otherwise.
HandCategory thirteenStraightOf(const CardSet& h) {
    for (int v = 13; v >= 1; --v)
        if (rankCount(h, v) != 1) return cat::Trash;
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

namespace {

// Categories whose candidates in a part of the holding are the holding's candidates that lie
// within the part, in the same order: their enumerations (runs over rank windows with suits in
// order, five-card subsets of a suit in the mask list's order, straight flushes by run and suit,
// four of a kind by rank) never depend on the absent cards. Pairs, triples and full houses do:
// a rank the back thins out changes what it offers.
bool reusable(HandCategory k) {
    constexpr unsigned Reusable = 1u << index(cat::StraightFlush) | 1u << index(cat::Quadruple) |
                                  1u << index(cat::Flush) | 1u << index(cat::Straight);
    return (Reusable >> index(k)) & 1u;
}

// The pair of the highest rank (the ace high) held exactly twice among cards s of rank pattern p,
// which holds one.
inline Hand highestPair(const CardSet& s, const RankPattern& p) {
    const int top = (p.two & 1u) ? 0 : std::bit_width(p.two) - 1u;
    return Hand{fromPackedMasks(packedRank(packedMasks(s), top)), cat::Pair};
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
      steps_(capacity),
      roomy_(capacity >= 4096) {}

template <typename Steps>
void BasicSeatSearch<Steps>::arrangeSeat(const CardSet& h, ArrangementList& out) {
    // The keyed steps keep keys for as many entries as the search's own lists hold.
    assert(out.capacity() <= backCandidates_.capacity());
    out.clear();
    steps_.reset();
    backCandidates_.clear();
    straightsFlag_ = flushesFlag_ = false;
    overflowed_ = false;
    lastStraight_ = 0;

    // Thirteen-card straight: a straight flush holding plays nothing else.
    if (const HandCategory straight13 = thirteenStraightOf(h); straight13 != cat::Trash) {
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
    if (const HandCategory pairs = pairSpecialOf(h); pairs != cat::Trash) {
        Arrangement a;
        a.back.cards = a.middle.cards = a.front.cards = h;
        a.setCategories(pairs);
        steps_.append(a, out);
    }

    const RankPattern pattern = rankPattern(h);
    const bool fiveOfASuit = bitCount16(h.mask[0]) >= 5 || bitCount16(h.mask[1]) >= 5 ||
                             bitCount16(h.mask[2]) >= 5 || bitCount16(h.mask[3]) >= 5;
    for (HandCategory k : BackAndMiddleOrder) {
        backSegment_[index(k)][0] = backCandidates_.count();
        if constexpr (Steps::ReusesHoldingCandidates) {
            // Straight from the holding: every category's list is the one its material gives.
            bool offers;
            switch (k) {
                case cat::StraightFlush:
                    offers = fiveOfASuit;
                    break;
                case cat::Flush:
                    // Suit by suit, as generateCandidates() lists them, marking where each begins.
                    for (int suit = 0; suit < SuitCount; ++suit) {
                        flushesFrom_[suit] = backCandidates_.count();
                        if (bitCount16(h.mask[suit]) >= 5)
                            enumerateFlushes(backCandidates_, h.mask[suit], suit);
                    }
                    flushesFrom_[SuitCount] = backCandidates_.count();
                    offers = false;
                    break;
                case cat::Straight: {
                    // Window by window from the lowest, as generateCandidates() lists them,
                    // marking where each begins.
                    const unsigned windows = windowStarts(pattern.held);
                    for (int t = 0; t < 10; ++t) {
                        straightsFrom_[t] = backCandidates_.count();
                        if ((windows >> t) & 1u) enumerateStraights(backCandidates_, h, t);
                    }
                    straightsFrom_[10] = backCandidates_.count();
                    offers = false;
                    break;
                }
                case cat::Quadruple:
                    offers = pattern.four != 0;
                    break;
                default:
                    offers = offersByRanks(pattern, k);
                    // A pair or two pairs take ranks held exactly twice: beside a rank held three
                    // or four times, every such back is barren (see searchMiddles). Not for lists
                    // short enough to fill up, whose overflow they report.
                    if constexpr (Steps::SkipsBarrenBacks) {
                        if (k <= cat::TwoPairs && (pattern.three | pattern.four) != 0 && roomy_)
                            offers = false;
                        // A pair back leaves the rest the other pairs: beside three or more of
                        // them the front outranks any middle, and a middle of a higher pair would
                        // be above the back. Only the highest pair, the first listed, can make an
                        // arrangement, and only with at most two other pairs.
                        if (k == cat::Pair && offers && roomy_) {
                            if (bitCount16(pattern.two) <= 3)
                                backCandidates_.append(highestPair(h, pattern));
                            offers = false;
                        }
                    }
            }
            if (offers) generateCandidates(backCandidates_, h, pattern, k, Position::Back);
        } else {
            if (const CardSet m = categoryMaterial(h, pattern, k, Position::Back); !isEmpty(m))
                generateCandidates(backCandidates_, m, k, Position::Back);
        }
        backSegment_[index(k)][1] = backCandidates_.count();
    }
    for (int i = 0; i < backCandidates_.count(); ++i) {
        searchMiddles(h, backCandidates_[i], out);
    }

    overflowed_ = out.overflowed() || backCandidates_.overflowed() ||
                  middleCandidates_.overflowed() || frontScratch_.overflowed() || overflowed_;
}

// The holding's own candidates of k (a reusable category) that the back leaves whole, in their
// order, handed to `each`. A straight's window the rest lacks a rank of, or a suit the rest holds
// fewer than five cards of, has none; nor has a window above `topWindow`.
template <typename Steps>
template <typename Each>
[[gnu::always_inline]] inline void BasicSeatSearch<Steps>::reuseMiddles(const CardSet& rest,
                                                                        const RankPattern& pattern,
                                                                        const Hand& back,
                                                                        HandCategory k, Each&& each,
                                                                        int topWindow) {
    const std::uint64_t taken = packedMasks(back.cards);
    const auto scan = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            if ((packedMasks(backCandidates_[i].cards) & taken) == 0) each(backCandidates_[i]);
    };
    if (k == cat::Straight) {
        // Bit t: the rest holds every rank of window t.
        for (unsigned windows = windowStarts(pattern.held) & ((2u << topWindow) - 1u); windows != 0;
             windows &= windows - 1) {
            const int t = std::countr_zero(windows);
            scan(straightsFrom_[t], straightsFrom_[t + 1]);
        }
    } else if (k == cat::Flush) {
        for (int suit = 0; suit < SuitCount; ++suit)
            if (bitCount16(rest.mask[suit]) >= 5) scan(flushesFrom_[suit], flushesFrom_[suit + 1]);
    } else {
        scan(backSegment_[index(k)][0], backSegment_[index(k)][1]);
    }
}

// Pairs, two pairs, triples and full houses straight from the rest's rank pattern. A pair middle
// leaves the front the rest's other ranks held twice or more. A rank held three or four times, or
// two more pairs, outrank the pair: nothing comes of it. One other pair ranks above a middle of
// the lower pair: of two pairs only the higher one can make a middle. Such pairs are left out
// (pairsSkipped), but for a list so near its capacity that they would have filled it (it then
// reports that it overflowed, as the pairs themselves would have made it).
template <typename Steps>
[[gnu::always_inline]] inline void BasicSeatSearch<Steps>::middlesByRanks(
    const CardSet& rest, const RankPattern& pattern, HandCategory k, bool& pairsSkipped) {
    if (!offersByRanks(pattern, k)) return;  // nothing of k in the rest
    if constexpr (Steps::SkipsBarrenMiddles) {
        if (k == cat::Pair &&
            (bitCount16(pattern.two) >= 2 || (pattern.three | pattern.four) != 0) &&
            middleCandidates_.count() + bitCount16(pattern.two) + 1 <
                middleCandidates_.capacity()) {
            pairsSkipped = true;
            if (bitCount16(pattern.two) == 2 && (pattern.three | pattern.four) == 0)
                middleCandidates_.append(highestPair(rest, pattern));
            return;
        }
    }
    if (k == cat::FullHouse)
        generateCandidates(middleCandidates_, rest, pattern, k, Position::Middle);
    else
        generateRankGroups(middleCandidates_, rest, pattern, k, Position::Middle);
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
    const int backAt = static_cast<int>(index(cat::StraightFlush) - index(back.category));
    for (int at = backAt; at < 8; ++at) {
        const HandCategory k = BackAndMiddleOrder[at];
        const int first = middleCandidates_.count();
        bool built = false;  // from the holding's candidates or the rest's rank pattern
        if constexpr (Steps::ReusesHoldingCandidates) {
            if (!reusable(k)) {
                middlesByRanks(rest, pattern, k, pairsSkipped);
                built = true;
            } else if (!backCandidates_.overflowed()) {
                reuseMiddles(rest, pattern, back, k,
                             [this](const Hand& m) { middleCandidates_.append(m); });
                built = true;
            }
        }
        if (!built) {
            const CardSet m = categoryMaterial(rest, pattern, k, Position::Middle);
            if (isEmpty(m)) continue;
            generateCandidates(middleCandidates_, m, k, Position::Middle);
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
            generateCandidates(middleCandidates_, rest, cat::Trash, Position::Middle);
    }
    // A trash middle only when the rest offers no category at all.
    if (!Steps::offersMiddleMaterial(rest, pattern))
        generateCandidates(middleCandidates_, rest, cat::Trash, Position::Middle);
    overflowed_ = overflowed_ || middleCandidates_.overflowed();
}

// The middles come category by category as buildMiddles() lists them. Only the back's own
// category goes through the list, where the middles above the back leave it as the rules remove
// them; a full house or a trash middle is generated there as well.
template <typename Steps>
template <typename Each>
[[gnu::always_inline]] inline void BasicSeatSearch<Steps>::streamMiddles(const CardSet& rest,
                                                                         const RankPattern& pattern,
                                                                         const Hand& back,
                                                                         Each&& each) {
    const HandCategory b = back.category;
    // The list's middles of the back's category, from `generate`, but those above the back.
    const auto listed = [&](auto&& generate) {
        middleCandidates_.clear();
        generate([this](const Hand& m) { middleCandidates_.append(m); });
        for (int i = 0; i < middleCandidates_.count();) {
            if (steps_.middleAboveBack(back.cards, middleCandidates_[i].cards, b)) {
                middleCandidates_.removeAt(i);
            } else {
                ++i;
            }
        }
        for (int i = 0; i < middleCandidates_.count(); ++i)
            each(middleCandidates_[i]);
    };
    const auto trashMiddle = [&] {
        middleCandidates_.clear();
        generateCandidates(middleCandidates_, rest, cat::Trash, Position::Middle);
        each(middleCandidates_[0]);
    };
    const auto category = [&](HandCategory k, auto&& generate) {
        if (k == b)
            listed(generate);
        else
            generate(each);
    };
    if (b >= cat::Straight) {
        for (int at = static_cast<int>(index(cat::StraightFlush) - index(b)); at < 5; ++at) {
            const HandCategory k = BackAndMiddleOrder[at];
            if (k == cat::FullHouse) {
                if (!offersByRanks(pattern, k)) continue;
                const auto fullHouses = [&](auto&&) {
                    generateCandidates(middleCandidates_, rest, pattern, k, Position::Middle);
                };
                middleCandidates_.clear();
                if (k == b) {
                    listed(fullHouses);
                } else {
                    fullHouses(0);
                    for (int i = 0; i < middleCandidates_.count(); ++i)
                        each(middleCandidates_[i]);
                }
            } else if (k == cat::Straight && k == b) {
                // The straights come window by window from the lowest; those above the back (of
                // higher windows) would be the list's last entries, and it would keep the others
                // in order.
                reuseMiddles(rest, pattern, back, k, each,
                             std::countr_zero(windowStarts(heldRanks(back.cards))));
            } else {
                category(k, [&](auto&& sink) { reuseMiddles(rest, pattern, back, k, sink); });
            }
        }
    }
    if (b >= cat::Triple && pattern.three != 0)
        category(cat::Triple, [&](auto&& sink) {
            forEachRankGroup(rest, pattern, cat::Triple, Position::Middle, sink);
        });
    if (b >= cat::TwoPairs && bitCount16(pattern.two) >= 2)
        category(cat::TwoPairs, [&](auto&& sink) {
            forEachRankGroup(rest, pattern, cat::TwoPairs, Position::Middle, sink);
        });
    if (pattern.two != 0) {
        if (bitCount16(pattern.two) >= 2 || (pattern.three | pattern.four) != 0) {
            // Left out as in middlesByRanks(): only the higher of exactly two pairs can make a
            // middle. No trash middle follows.
            if (bitCount16(pattern.two) == 2 && (pattern.three | pattern.four) == 0)
                category(cat::Pair, [&](auto&& sink) { sink(highestPair(rest, pattern)); });
        } else {
            // The rest's one pair; a lone pair of aces also gets a trash middle.
            const Hand pair{fromPackedMasks(packedRank(packedMasks(rest),
                                                       std::countr_zero(unsigned{pattern.two}))),
                            cat::Pair};
            bool kept = true;
            if (b == cat::Pair) kept = !steps_.middleAboveBack(back.cards, pair.cards, b);
            if (kept) each(pair);
            if (kept && (pattern.two & 1u)) trashMiddle();
        }
    }
    if (!Steps::offersMiddleMaterial(rest, pattern)) trashMiddle();
}

// Straights of one window come one after another among the backs, and leave the rest the same
// ranks, each as often. Where the holding has no straight flush (so that the rest's straights are
// every choice of its cards in a window, as many for either back) and both rests offer the middle
// the same material (the trash middle), a straight back after one of the same window offers the
// arrangements of the same keys in the same order. Each such arrangement is then dropped, unless
// an entry of the same keys is still in the list, which it would replace: an earlier arrangement
// of those keys was dropped for an entry above it, or entered and was removed by one at least
// its equal, and that entry (or one above it) is still there. When no entry of the list has the
// back's key, the back offers nothing that enters.
template <typename Steps>
bool BasicSeatSearch<Steps>::repeatsStraight(const Hand& back, const CardSet& rest,
                                             const RankPattern& pattern) {
    if (back.category != cat::Straight) {
        lastStraight_ = 0;
        return false;
    }
    const std::uint16_t ranks = heldRanks(back.cards);
    if (ranks != lastStraight_) {
        lastStraight_ = ranks;
        lastStraightRest_ = rest;
        return false;
    }
    const bool repeats =
        backSegment_[index(cat::StraightFlush)][0] == backSegment_[index(cat::StraightFlush)][1] &&
        Steps::offersMiddleMaterial(rest, pattern) ==
            Steps::offersMiddleMaterial(lastStraightRest_, pattern);
    lastStraightRest_ = rest;
    return repeats;
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
    if constexpr (Steps::SkipsBarrenBacks) {
        if (back.category <= cat::TwoPairs && (restPattern.three | restPattern.four) != 0) return;
    }
    steps_.beginBack(back);
    if constexpr (Steps::ReusesHoldingCandidates) {
        if (roomy_) {
            if (repeatsStraight(back, rest, restPattern) && !steps_.holdsBack(out)) return;
            streamMiddles(rest, restPattern, back, [&](const Hand& middle) {
                offerMiddle(back, rest, restPattern, middle, out);
            });
            return;
        }
    }
    buildMiddles(rest, restPattern, back);
    for (int i = 0; i < middleCandidates_.count(); ++i)
        offerMiddle(back, rest, restPattern, middleCandidates_[i], out);
}

template <typename Steps>
[[gnu::always_inline]] inline void BasicSeatSearch<Steps>::offerMiddle(
    const Hand& back, const CardSet& rest, const RankPattern& restPattern, const Hand& middle,
    ArrangementList& out) {
    CardSet leftover = without(rest, middle.cards);

    // The front: what the leftovers offer, never above the middle.
    const RankPattern pattern = Steps::leftoverPattern(leftover, restPattern, middle);
    const HandCategory f = Steps::frontCategory(leftover, pattern);
    if (f > middle.category) return;
    // The arrangement is written hand by hand, as its hands are read afterwards.
    Arrangement a;
    if (f == cat::TwoPairs) {
        if (middle.category < cat::TwoPairs) return;
        a.front = {steps_.firstFront(frontScratch_, leftover, pattern, cat::Pair), cat::Pair};
    } else {
        if (middle.category == f && Steps::middleBelowFront(middle.cards, leftover, pattern, f))
            return;
        a.front = {steps_.firstFront(frontScratch_, leftover, pattern, f), f};
    }
    const Hand& front = a.front;
    minus(leftover, front.cards);
    a.back = back;
    a.middle = middle;
    // Whole-holding specials from two straights or two flushes and a fitting front; only
    // the first of each kind enters, later ones are dropped altogether.
    if (back.category == cat::Straight && middle.category == cat::Straight &&
        isStraight3(front.cards)) {
        a.setCategories(cat::ThreeStraight);
        if (straightsFlag_) return;
        straightsFlag_ = true;
    } else if (back.category == cat::Flush && middle.category == cat::Flush &&
               isFlush3(front.cards)) {
        a.setCategories(cat::ThreeFlush);
        if (flushesFlag_) return;
        flushesFlag_ = true;
    }
    steps_.offer(a, leftover, out);
}

template class BasicSeatSearch<KeyedSteps>;
template class BasicSeatSearch<ReferenceSteps>;

}  // namespace kov